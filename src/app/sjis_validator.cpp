#include "app/sjis_validator.h"

#include <QRegularExpression>
#include <algorithm>

#include "platform/sjis_codec.h"

namespace kz::app {

SjisValidator::SjisValidator(std::size_t limit, QObject* parent)
    : QValidator(parent), limit_(limit) {}

QValidator::State SjisValidator::validate(QString& input, int& pos) const {
  // A one-line field keeps a pasted text up to its first line end.
  static const QRegularExpression kLineEnd(QStringLiteral("[\\r\\n]"));
  const qsizetype lineEnd = input.indexOf(kLineEnd);
  if (lineEnd >= 0) {
    input.truncate(lineEnd);
    pos = std::min(pos, static_cast<int>(lineEnd));
  }
  const auto bytes = EncodeSjis(input);
  if (!bytes) return Invalid;
  if (limit_ != 0 && bytes->size() > limit_) return Invalid;
  // Show the twins as stored; the mapping is one UTF-16 unit for one, so the cursor holds.
  const QString stored = DecodeSjis(*bytes);
  if (stored.size() == input.size()) input = stored;
  return Acceptable;
}

}  // namespace kz::app
