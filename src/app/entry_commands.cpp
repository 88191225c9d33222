#include "app/entry_commands.h"

#include "dictionary/entry_rules.h"

namespace kz::app {
namespace {

struct FaultText {
  EntryFault fault;
  const char16_t* text;
  bool phraseField;
};

constexpr FaultText kFaults[] = {
    {EntryFault::kEmptyReading, u"読みを入力して下さい", false},
    {EntryFault::kEmptyPhrase, u"語句を入力して下さい", true},
    {EntryFault::kInvalidChar, u"読みが不正です。使用できる文字は半角カタカナのみです", false},
    {EntryFault::kInvalidFirst,
     u"読みの最初の文字が不正です。最初の文字はア\uFF5Eワである必要があります", false},
    {EntryFault::kReadingTooLong, u"読みが長すぎます。半角カタカナで10文字までです。", false},
    {EntryFault::kPhraseTooLong, u"語句が長すぎます。半角で50文字、全角で25文字までです。", true},
};

}  // namespace

bool EntryCommands::CheckInput() {
  WindowUi& ui = e_.ui();
  const std::optional<SjisString> typed = e_.fields().Get(ui.editYomi);
  const SjisString phrase = e_.fields().Get(ui.editGoku).value_or(SjisString());
  // Text that cannot be encoded cannot be typed; should it be there, it is no reading:
  // a control byte stands in for it, which the byte test refuses.
  const EntryCheck check = CheckEntry(typed.value_or(SjisString("\x01")), phrase);
  const bool pastEmptiness =
      check.fault != EntryFault::kEmptyReading && check.fault != EntryFault::kEmptyPhrase;
  if (pastEmptiness) {
    if (ui.comboKind->currentIndex() < 0) ui.comboKind->setCurrentIndex(0);
    if (typed) e_.fields().Set(ui.editYomi, check.reading);
  }
  if (check.fault == EntryFault::kNone) return true;
  for (const FaultText& f : kFaults) {
    if (f.fault != check.fault) continue;
    e_.ShowError(QString::fromUtf16(f.text));
    (f.phraseField ? ui.editGoku : ui.editYomi)->setFocus();
    break;
  }
  return false;
}

Row EntryCommands::EntryRow() const {
  const WindowUi& ui = e_.ui();
  return Row{e_.fields().Get(ui.editYomi).value_or(SjisString()),
             e_.fields().Get(ui.editGoku).value_or(SjisString()),
             static_cast<std::int32_t>(ui.comboKind->currentIndex())};
}

void EntryCommands::ButtonAddClick() {
  if (!CheckInput()) return;
  Row row = EntryRow();
  const bool hadSelection = e_.doc().words().SelectedCount() > 0;
  const SjisString reading = row.reading;
  const std::size_t index =
      e_.model().InsertRow(reading, [&] { return e_.doc().Add(std::move(row)); });
  e_.SelectedByCommand(index, hadSelection);
  WindowUi& ui = e_.ui();
  ui.editYomi->clear();
  ui.editGoku->clear();
  ui.editYomi->setFocus();
}

void EntryCommands::ButtonChangeClick() {
  if (!e_.doc().CanChange()) return;
  if (!CheckInput()) return;
  Row row = EntryRow();
  const bool othersSelected = e_.doc().words().SelectedCount() > 1;
  std::optional<std::size_t> index;
  e_.model().ChangeRow([&] {
    index = e_.doc().Change(std::move(row));
    return index.value_or(0);
  });
  if (index) e_.SelectedByCommand(*index, othersSelected);
}

void EntryCommands::KeyDeleteClick() {
  e_.Bulk([this] { e_.doc().DeleteSelected(e_.progress()); });
  e_.RefreshCount();
}

void EntryCommands::KeySelectAllClick() {
  const WordList& words = e_.doc().words();
  // Rows become selected from the last to the first: the entry ends up showing the first
  // row that was not selected before.
  std::optional<std::size_t> firstNew;
  if (words.SelectedCount() < words.size()) {
    for (std::size_t i = 0; i < words.size() && !firstNew; ++i) {
      if (!words.IsSelected(i)) firstNew = i;
    }
  }
  e_.doc().words().SelectAll();
  e_.model().SelectionChanged();
  if (firstNew) e_.ShowEntry(*firstNew);
}

}  // namespace kz::app
