#include "textio/word_line.h"

#include <cstdint>
#include <limits>
#include <string>

namespace kz::textio {
namespace {

bool IsBlank(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0x01 && b <= 0x20;
}

bool IsLeadByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Length of the character at `i`: two bytes for a lead byte that has a byte after it.
std::size_t CharLength(SjisView s, std::size_t i) {
  return IsLeadByte(s[i]) && i + 1 < s.size() ? 2 : 1;
}

void SkipBlanks(SjisView s, std::size_t& i) {
  while (i < s.size() && IsBlank(s[i])) ++i;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool NeedsQuotes(SjisView field) {
  for (std::size_t i = 0; i < field.size(); i += CharLength(field, i)) {
    const char c = field[i];
    if (IsLeadByte(c) && i + 1 < field.size()) continue;
    if (IsBlank(c) || c == '"' || c == ',') return true;
  }
  return false;
}

void AppendField(SjisString& out, SjisView field) {
  if (!NeedsQuotes(field)) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

std::vector<SjisString> SplitFields(SjisView line) {
  std::vector<SjisString> fields;
  std::size_t i = 0;
  SkipBlanks(line, i);
  while (i < line.size()) {
    SjisString field;
    if (line[i] == '"') {
      ++i;
      while (i < line.size()) {
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;  // the closing quote
          break;
        }
        const std::size_t n = CharLength(line, i);
        field.append(line.substr(i, n));
        i += n;
      }
    } else {
      while (i < line.size() && !IsBlank(line[i]) && line[i] != ',') {
        const std::size_t n = CharLength(line, i);
        field.append(line.substr(i, n));
        i += n;
      }
    }
    fields.push_back(std::move(field));
    SkipBlanks(line, i);
    if (i < line.size() && line[i] == ',') {
      if (i + 1 == line.size()) fields.emplace_back();
      ++i;
      SkipBlanks(line, i);
    }
  }
  return fields;
}

std::int32_t ParseKindField(SjisView field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    negative = field[i] == '-';
    ++i;
  }
  SjisView rest = field.substr(i);
  std::size_t prefix = 0;
  if (rest.starts_with("0x") || rest.starts_with("0X")) {
    prefix = 2;
  } else if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    prefix = 1;
  }
  if (prefix > 0) {
    rest.remove_prefix(prefix);
    if (rest.empty()) return 0;
    std::uint64_t value = 0;
    for (char c : rest) {
      const int d = HexDigit(c);
      if (d < 0) return 0;
      value = value << 4 | static_cast<unsigned>(d);
      if (value > 0xFFFFFFFFu) return 0;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  }
  if (rest.empty()) return 0;
  std::int64_t value = 0;
  for (char c : rest) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return 0;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return 0;
  return static_cast<std::int32_t>(value);
}

SjisString RenderWordLine(const Row& row) {
  SjisString line;
  line.reserve(row.reading.size() + row.phrase.size() + 8);
  AppendField(line, row.reading);
  line += ',';
  AppendField(line, row.phrase);
  line += ',';
  line += std::to_string(row.kind);
  return line;
}

bool IsCommentLine(SjisView line) { return line.starts_with("//"); }

}  // namespace kz::textio
