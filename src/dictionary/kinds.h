// The fixed table of the 34 kinds of word (parts of speech).
//
// Index 0 ("-") means no kind. Rows, .aad files and word lines store the index; the name is
// what the word list shows. The names here are UTF-8 display texts: the core never writes a
// kind name to a file, so it never needs their Shift_JIS form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kz {

inline constexpr int kKindCount = 34;

// Name of kind `index` (0 to 33), UTF-8. Precondition: 0 <= index < kKindCount.
std::string_view KindName(int index);

// The kind text of a row: the name for 0 to 33, otherwise the index in decimal ("40", "-3").
std::string KindText(std::int32_t index);

}  // namespace kz
