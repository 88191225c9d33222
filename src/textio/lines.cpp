#include "lines.h"

#include <algorithm>
#include "dictionary/huge_pages.h"

namespace kz {}  // namespace kz

namespace kz::textio {

std::vector<SjisString> SplitLines(SjisView text) {
  // Whatever follows a NUL byte is not part of the text.
  const std::size_t nul = text.find('\0');
  if (nul != SjisView::npos) text = text.substr(0, nul);

  // One line per line end, give or take the last: reserving for them spares the copies of a
  // growing list, which for a text of millions of short lines are most of the work.
  std::vector<SjisString> lines;
  lines.reserve(std::max(std::count(text.begin(), text.end(), '\n'),
                         std::count(text.begin(), text.end(), '\r')) +
                1);
  AdviseHugePages(lines.data(), lines.capacity() * sizeof(SjisString));
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == SjisView::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

SjisString JoinLines(const std::vector<SjisString>& lines) {
  std::size_t total = 0;
  for (const SjisString& line : lines) total += line.size() + 2;
  SjisString text;
  text.reserve(total);
  AdviseHugePages(text.data(), text.capacity());
  for (const SjisString& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace kz::textio
