#include "routing.h"

namespace kz::textio {

namespace {

bool EqualsAsciiNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (x != b[i]) return false;
  }
  return true;
}

}  // namespace

std::string_view Extension(std::string_view path) {
  // "." and "/" are below 0x40, so neither can be the second byte of a Shift_JIS character,
  // and neither occurs inside a UTF-8 sequence: a byte search is exact for both encodings.
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return {};
  if (path.find('/', dot) != std::string_view::npos) return {};
  return path.substr(dot);
}

FileRoute RouteFor(std::string_view path) {
  const std::string_view extension = Extension(path);
  if (EqualsAsciiNoCase(extension, ".aad")) return FileRoute::kDictionary;
  if (EqualsAsciiNoCase(extension, ".pbx")) return FileRoute::kPbxText;
  return FileRoute::kWordLines;
}

bool HasExtension(std::string_view path) { return !Extension(path).empty(); }

}  // namespace kz::textio
