#include "app/info_page.h"

#include "platform/sjis_codec.h"

namespace kz::app {
namespace {

SjisString BytesOf(const FieldBytes& fields, const QLineEdit* field) {
  // Only text the program put there can fail to encode, and that is remembered.
  return fields.Get(field).value_or(SjisString());
}

}  // namespace

void InfoPage::ResetToDefaults() {
  ui_.editName->setText(QStringLiteral("辞書"));
  ui_.editAuthor->setText(QStringLiteral("名無しさん"));
  ButtonNowClick();
  ui_.editCount->setText(QStringLiteral("0"));
  SelectHeader(0);
}

void InfoPage::ButtonNowClick(const QDateTime& now) {
  ui_.editDate->setText(now.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")));
}

int InfoPage::HeaderIndex() const {
  const int index = ui_.comboHeader->currentIndex();
  if (index < 0) return -1;
  return ui_.comboHeader->currentText() == ui_.comboHeader->itemText(index) ? index : -1;
}

void InfoPage::SelectHeader(int index) {
  ui_.comboHeader->setCurrentIndex(index);
  ui_.comboHeader->setEditText(ui_.comboHeader->itemText(index));
}

void InfoPage::ComboHeaderExit() {
  if (HeaderIndex() >= 0) return;
  if (SjisLength(ui_.comboHeader->currentText()) == 5u) return;
  SelectHeader(0);
}

void InfoPage::SetMakerCode(SjisView code) {
  const QString text = DecodeSjis(code);
  for (int i = 0; i < ui_.comboHeader->count(); ++i) {
    if (ui_.comboHeader->itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
      SelectHeader(i);
      return;
    }
  }
  ui_.comboHeader->setCurrentIndex(-1);
  ui_.comboHeader->setEditText(text);
}

std::optional<SjisString> InfoPage::DecideHeader() {
  const int index = HeaderIndex();
  if (index >= 1) {
    auto code = EncodeSjis(ui_.comboHeader->currentText());
    if (code && code->size() == 5) return code;
  }
  SelectHeader(0);
  return std::nullopt;
}

aad::DictionaryInfo InfoPage::Info() const {
  return {BytesOf(fields_, ui_.editName), BytesOf(fields_, ui_.editAuthor),
          BytesOf(fields_, ui_.editDate)};
}

void InfoPage::SetInfo(const aad::DictionaryInfo& info) {
  fields_.Set(ui_.editName, info.name);
  fields_.Set(ui_.editAuthor, info.author);
  fields_.Set(ui_.editDate, info.date);
}

void InfoPage::SetCount(std::size_t rows) { ui_.editCount->setText(QString::number(rows)); }

}  // namespace kz::app
