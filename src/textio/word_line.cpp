#include "word_line.h"

#include <algorithm>
#include <optional>
#include <string>

namespace kz::textio {

namespace {

bool IsBlank(unsigned char b) { return b >= 0x01 && b <= 0x20; }
bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC; }

// The length of the character at `pos`: two bytes for a lead byte followed by a trail
// byte, else one. A lead byte at the end, or before a byte that cannot trail, stands alone,
// so the scan never runs past the line and never swallows a separator.
std::size_t CharLength(SjisView text, std::size_t pos) {
  const auto b = static_cast<unsigned char>(text[pos]);
  if (IsLeadByte(b) && pos + 1 < text.size() &&
      IsTrailByte(static_cast<unsigned char>(text[pos + 1]))) {
    return 2;
  }
  return 1;
}

// A single-byte character that forces quoting when a field is written.
bool NeedsQuote(unsigned char b) { return IsBlank(b) || b == '"' || b == ','; }

class FieldScanner {
 public:
  explicit FieldScanner(SjisView line) : line_(line) {}

  std::vector<SjisString> Fields(std::size_t maxFields) {
    std::vector<SjisString> fields;
    // Room for the three fields of a word line at once, instead of growing for each.
    fields.reserve(std::min<std::size_t>(maxFields, 3));
    SkipBlanks();
    while (pos_ < line_.size() && fields.size() < maxFields) {
      fields.push_back(Peek() == '"' ? Quoted() : Plain());
      SkipBlanks();
      if (pos_ < line_.size() && Peek() == ',') {
        if (pos_ + 1 == line_.size()) fields.emplace_back();
        ++pos_;
        SkipBlanks();
      }
    }
    if (fields.size() > maxFields) fields.resize(maxFields);  // the empty one after a last comma
    return fields;
  }

 private:
  unsigned char Peek() const { return static_cast<unsigned char>(line_[pos_]); }

  void SkipBlanks() {
    while (pos_ < line_.size() && IsBlank(Peek())) ++pos_;
  }

  SjisString Plain() {
    const std::size_t start = pos_;
    while (pos_ < line_.size() && !IsBlank(Peek()) && Peek() != ',') {
      pos_ += CharLength(line_, pos_);
    }
    return SjisString(line_.substr(start, pos_ - start));
  }

  // Runs to the quote that closes it, or to the end of the line when none does.
  SjisString Quoted() {
    SjisString text;
    ++pos_;
    while (pos_ < line_.size()) {
      if (Peek() == '"') {
        ++pos_;
        if (pos_ < line_.size() && Peek() == '"') {
          text += '"';
          ++pos_;
          continue;
        }
        break;
      }
      const std::size_t n = CharLength(line_, pos_);
      text += line_.substr(pos_, n);
      pos_ += n;
    }
    return text;
  }

  SjisView line_;
  std::size_t pos_ = 0;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal digits to the end of `digits`, at most 32 bits of value; nullopt otherwise.
std::optional<std::uint32_t> ReadHex(SjisView digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = value << 4 | static_cast<std::uint64_t>(d);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

// Decimal digits to the end of `digits`, in the 32-bit signed range once the sign is applied.
std::optional<std::int32_t> ReadDecimal(SjisView digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

void AppendField(SjisString& line, SjisView field) {
  bool quote = false;
  for (std::size_t i = 0; i < field.size() && !quote; i += CharLength(field, i)) {
    quote = CharLength(field, i) == 1 && NeedsQuote(static_cast<unsigned char>(field[i]));
  }
  if (!quote) {
    line += field;
    return;
  }
  line += '"';
  for (const char c : field) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
}

}  // namespace

std::vector<SjisString> SplitFields(SjisView line, std::size_t maxFields) {
  return FieldScanner(line).Fields(maxFields);
}

std::int32_t ParseKindField(SjisView field) {
  std::size_t pos = field.find_first_not_of(' ');
  if (pos == SjisView::npos) return 0;
  bool negative = false;
  if (field[pos] == '+' || field[pos] == '-') {
    negative = field[pos] == '-';
    ++pos;
  }
  SjisView rest = field.substr(pos);
  // The hexadecimal forms ignore the sign.
  std::size_t prefix = 0;
  if (rest.starts_with("0x") || rest.starts_with("0X")) {
    prefix = 2;
  } else if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
    prefix = 1;
  }
  if (prefix != 0) {
    const auto hex = ReadHex(rest.substr(prefix));
    return hex ? static_cast<std::int32_t>(*hex) : 0;
  }
  return ReadDecimal(rest, negative).value_or(0);
}

SjisString RenderWordLine(const Row& row) {
  const std::string kind = std::to_string(row.kind);
  // The exact length of a line without quotes: a million exported lines then take the
  // smallest blocks the allocator has, those the split lines of an import gave back.
  SjisString line;
  line.reserve(row.reading.size() + row.phrase.size() + kind.size() + 2);
  AppendField(line, row.reading);
  line += ',';
  AppendField(line, row.phrase);
  line += ',';
  line += kind;
  return line;
}

bool IsCommentLine(SjisView line) { return line.starts_with("//"); }

}  // namespace kz::textio
