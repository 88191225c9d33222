// Text at the command line's boundary: Shift_JIS dictionary text shown as UTF-8, and the
// messages the editor shows for files that do not load.
#pragma once

#include <string>

#include "aad/aad_file.h"
#include "dictionary/sjis_string.h"

namespace kz::cli {

// Shift_JIS bytes as UTF-8; bytes code page 932 does not map show as U+FFFD.
std::string ToUtf8(SjisView text);

// The file name followed by the message of a failed read, as the editor shows it.
std::string ReadFailureText(const std::string& file, aad::ReadStatus status);

}  // namespace kz::cli
