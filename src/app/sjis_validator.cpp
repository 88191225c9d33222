#include "app/sjis_validator.h"

#include "platform/sjis_codec.h"

namespace kz::app {

SjisValidator::SjisValidator(std::size_t limit, QObject* parent)
    : QValidator(parent), limit_(limit) {}

QValidator::State SjisValidator::validate(QString& input, int& /*pos*/) const {
  const auto bytes = EncodeSjis(input);
  if (!bytes) return Invalid;
  if (limit_ != 0 && bytes->size() > limit_) return Invalid;
  // Show the twins as stored; the mapping is one UTF-16 unit for one, so the cursor holds.
  const QString stored = DecodeSjis(*bytes);
  if (stored.size() == input.size()) input = stored;
  return Acceptable;
}

}  // namespace kz::app
