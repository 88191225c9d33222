#include "app/editor.h"

#include <QScrollBar>

#include "platform/sjis_codec.h"

namespace kz::app {

Editor::Editor(WindowUi& ui, Prompts& prompts)
    : ui_(ui),
      prompts_(prompts),
      model_(doc_.words(), nullptr),
      selection_(doc_.words(), model_),
      progress_(ui.progressBar),
      info_(ui, fields_) {}

Answer Editor::AskUnsaved() {
  return prompts_.Message(QStringLiteral("辞書データは変更されています。\n保存しますか？"),
                          QStringLiteral("終了"), MessageStyle::kQuestionYesNoCancel);
}

bool Editor::ResolveUnsavedChanges() {
  if (!doc_.modified()) return true;
  const Answer answer = AskUnsaved();
  if (answer == Answer::kNo) return true;
  if (answer != Answer::kYes) return false;
  if (save_) save_();
  return !doc_.modified();
}

void Editor::ResetDocument() {
  Bulk([this] { doc_.New(); });
  ui_.editYomi->clear();
  ui_.editGoku->clear();
  info_.ResetToDefaults();
  doc_.setModified(false);
  ShowPage(kPageVocabulary);
}

bool Editor::New() {
  if (!ResolveUnsavedChanges()) return false;
  ResetDocument();
  return true;
}

void Editor::RefreshCount() { info_.SetCount(doc_.words().size()); }

void Editor::ShowPage(int index) {
  changingPage_ = true;
  ui_.pageControl->setCurrentIndex(index);
  changingPage_ = false;
}

void Editor::Bulk(const std::function<void()>& change) {
  QScrollBar* vertical = ui_.listView->verticalScrollBar();
  QScrollBar* horizontal = ui_.listView->horizontalScrollBar();
  const int top = vertical->value();
  const int left = horizontal->value();
  model_.Reset(change);
  vertical->setValue(top);
  horizontal->setValue(left);
}

void Editor::ShowEntry(std::size_t row) {
  const Row& r = doc_.words()[row];
  fields_.Set(ui_.editYomi, r.reading);
  fields_.Set(ui_.editGoku, r.phrase);
  ui_.comboKind->setCurrentIndex(r.kind >= 0 && r.kind < ui_.comboKind->count() ? r.kind : -1);
}

void Editor::ClearEntry() {
  ui_.editYomi->clear();
  ui_.editGoku->clear();
}

void Editor::ApplySelection(const SelectionEffect& effect) {
  if (effect.lastSelected) {
    ShowEntry(*effect.lastSelected);
  } else if (effect.deselected) {
    ClearEntry();
  }
}

void Editor::SelectedByCommand(std::size_t row, bool hadSelection) {
  model_.SelectionChanged();
  selection_.SetAnchor(row);
  ApplySelection({row, hadSelection});
  ui_.listView->ShowRow(row);
}

void Editor::ImportLines(const std::vector<SjisString>& lines,
                         const std::map<std::size_t, QString>& asGiven) {
  ImportResult result;
  Bulk([&] { result = doc_.ImportLines(lines, progress_); });
  QStringList rejected;
  rejected.reserve(static_cast<qsizetype>(result.rejected.size()));
  for (std::size_t k = 0; k < result.rejected.size(); ++k) {
    const std::size_t index = k < result.rejectedIndex.size() ? result.rejectedIndex[k] : 0;
    const auto given = asGiven.find(index);
    rejected << (given != asGiven.end() ? given->second : DecodeSjis(result.rejected[k]));
  }
  ui_.memoError->setPlainText(rejected.join(QLatin1Char('\n')));
  RefreshCount();
  if (result.rejected.empty()) return;
  const QString text = QStringLiteral(
                           "%1行中、%2個の単語が規定外により登録できませんでした\n"
                           "追加できなかったリストを表示しますか？")
                           .arg(result.linesSeen)
                           .arg(result.rejected.size());
  if (prompts_.Message(text, QStringLiteral("警告"), MessageStyle::kWarningYesNo) == Answer::kYes) {
    ShowPage(kPageError);
  }
}

void Editor::ShowError(const QString& text) {
  prompts_.Message(text, QStringLiteral("エラー"), MessageStyle::kErrorOk);
}

}  // namespace kz::app
