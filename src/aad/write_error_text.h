// The texts shown when the writer refuses a dictionary, in one place for the window and the
// command-line tool.
//
// The texts are UTF-8 and name the offending word by its phrase and reading, which the
// caller passes already converted to UTF-8 (the core has no Shift_JIS decoder); control
// characters in them are shown as their control pictures (U+2400 onwards). kNone has no text.
#pragma once

#include <string>
#include <string_view>

#include "aad_file.h"

namespace kz::aad {

std::string WriteErrorText(WriteError error, std::string_view readingUtf8,
                           std::string_view phraseUtf8);

}  // namespace kz::aad
