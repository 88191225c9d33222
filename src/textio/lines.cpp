#include "textio/lines.h"

namespace kz::textio {

std::vector<SjisString> SplitLines(SjisView text) {
  const std::size_t end = std::min(text.find('\0'), text.size());
  std::vector<SjisString> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < end; ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < end && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < end) lines.emplace_back(text.substr(start, end - start));
  return lines;
}

SjisString JoinLines(const std::vector<SjisString>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  SjisString text;
  text.reserve(size);
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace kz::textio
