#include "app/list_commands.h"

#include <QRegularExpression>

#include "platform/sjis_codec.h"

namespace kz::app {

std::optional<long long> ParseCount(const QString& text) {
  static const QRegularExpression kInteger(QStringLiteral("^[+-]?[0-9]+$"));
  if (!kInteger.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const long long n = text.toLongLong(&ok);
  if (!ok) return std::nullopt;
  return n;
}

void ListCommands::ButtonSetCountClick() {
  const std::size_t rows = e_.doc().words().size();
  long long n = ParseCount(e_.ui().editCount->text()).value_or(static_cast<long long>(rows));
  if (n < 0) {
    n = 0;
    e_.ui().editCount->setText(QStringLiteral("0"));
  }
  e_.Bulk([&] { e_.doc().Truncate(n, e_.progress()); });
}

void ListCommands::KeyFindClick() {
  e_.doc().ForgetSearch();
  KeyFindNextClick();
}

void ListCommands::KeyFindNextClick() {
  const bool hadSelection = e_.doc().words().SelectedCount() > 0;
  const FindResult result = e_.doc().FindNext([this]() -> std::optional<SjisString> {
    const auto text =
        e_.prompts().Text({QStringLiteral("読みの検索"), QStringLiteral("検索文字列"), QString()});
    if (!text) return std::nullopt;
    // Text that code page 932 cannot hold begins no reading; it is taken as no text.
    return EncodeSjis(*text);
  });
  switch (result.outcome) {
    case FindOutcome::kCancelled:
      return;
    case FindOutcome::kFound:
      e_.SelectedByCommand(result.row, hadSelection);
      return;
    case FindOutcome::kEnd:
      e_.model().SelectionChanged();
      if (hadSelection) e_.ClearEntry();
      e_.prompts().Message(QStringLiteral("最後まで検索しました"), QStringLiteral("検索"),
                           MessageStyle::kInformationOk);
      return;
  }
}

void ListCommands::KeyDelMultiClick() {
  std::size_t removed = 0;
  e_.Bulk([&] { removed = e_.doc().RemoveDuplicates(e_.progress()); });
  e_.RefreshCount();
  e_.prompts().Message(QStringLiteral("%1件の重複を削除しました").arg(removed),
                       QStringLiteral("重複を削除"), MessageStyle::kInformationOk);
}

void ListCommands::KeyBarAddClick() {
  e_.Bulk([this] { e_.doc().AddVowelRows(e_.progress()); });
  e_.RefreshCount();
}

void ListCommands::KeyBarChangeClick() {
  e_.Bulk([this] { e_.doc().ChangeToVowels(e_.progress()); });
  e_.RefreshCount();
}

}  // namespace kz::app
