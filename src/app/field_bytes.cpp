#include "app/field_bytes.h"

#include "platform/sjis_codec.h"

namespace kz::app {

void FieldBytes::Set(QLineEdit* field, SjisView bytes) {
  const QString text = DecodeSjis(bytes);
  field->setText(text);
  for (Entry& e : entries_) {
    if (e.field == field) {
      e.shown = text;
      e.bytes = SjisString(bytes);
      return;
    }
  }
  entries_.push_back({field, text, SjisString(bytes)});
}

std::optional<SjisString> FieldBytes::Get(const QLineEdit* field) const {
  const QString text = field->text();
  for (const Entry& e : entries_) {
    if (e.field == field && e.shown == text) return e.bytes;
  }
  return EncodeSjis(text);
}

}  // namespace kz::app
