// The Shift_JIS bytes behind the text fields.
//
// When the program fills a field from stored bytes (a selected row, a loaded file) it
// remembers them; reading the field back gives those very bytes while the text is
// unchanged, so bytes that code page 932 does not map (shown as U+FFFD) survive a Change or
// a Save untouched. Text the user edited is encoded afresh; typing cannot produce text that
// does not encode, since every field's validator refuses it.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <optional>
#include <vector>

#include "dictionary/sjis_string.h"

namespace kz::app {

class FieldBytes {
 public:
  void Set(QLineEdit* field, SjisView bytes);
  // nullopt only for edited text that cannot be encoded.
  std::optional<SjisString> Get(const QLineEdit* field) const;

 private:
  struct Entry {
    QPointer<QLineEdit> field;
    QString shown;
    SjisString bytes;
  };
  std::vector<Entry> entries_;
};

}  // namespace kz::app
