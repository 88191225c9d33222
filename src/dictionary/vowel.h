// Long-vowel marks (ｰ, 0xB0) in readings and the vowels they lengthen.
#pragma once

#include <cstddef>

#include "sjis_string.h"

namespace kz {

// The vowel (0xB1..0xB5, ｱ..ｵ) that the byte at `pos` of `reading` ends in, or 0 when it has
// none. Marks (ｰ ﾞ ﾟ) look back at the byte before them. Reads only bytes up to `pos`.
unsigned char VowelOf(SjisView reading, std::size_t pos);

// Rewrites every ｰ after the first byte as the vowel before it, scanning forward so that a
// run of marks takes one vowel. A mark whose look-back finds no vowel (ｺﾝｰ) stays as it is.
// Returns true when at least one byte changed.
bool RewriteLongVowels(SjisString& reading);

}  // namespace kz
