// How a file handed in from outside (command line, drop, CLI input) is taken.
#pragma once

#include <string>
#include <string_view>

namespace kz::textio {

enum class FileRoute {
  kDictionary,  // ".aad": loaded as a dictionary
  kPbxText,     // ".pbx": PBX header cut, then word lines
  kWordLines,   // anything else: word lines
};

// The extension: from the last "." on, when no "/" follows it; empty otherwise.
std::string_view Extension(std::string_view path);
// The extension compared without regard to ASCII letter case.
FileRoute RouteFor(std::string_view path);
// True when the path has an extension (the save commands add theirs when it has none).
bool HasExtension(std::string_view path);

}  // namespace kz::textio
