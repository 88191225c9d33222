// Text files and clipboard text as lists of lines.
#pragma once

#include <vector>

#include "dictionary/sjis_string.h"

namespace kz::textio {

// Splits at CR LF, CR or LF; a NUL byte ends the text. A text ending in a line end gives
// no empty last line; an empty text gives no line.
std::vector<SjisString> SplitLines(SjisView text);

// Joins with CR LF after every line, the last one included.
SjisString JoinLines(const std::vector<SjisString>& lines);

}  // namespace kz::textio
