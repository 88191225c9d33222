// The character pairs that MapString converts between, as data.
//
// Each row names one full-width character of code page 932 (a katakana, a mark or
// punctuation, or the full-width twin of an ASCII character), its hiragana form when it has
// one, and its half-width form of one or two bytes (letter + ﾞ or ﾟ for voiced letters) when
// it has one. Characters that appear in no row have no counterpart and are kept as they are.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kz {

struct CharForms {
  std::uint16_t full;      // full-width code (lead byte << 8 | trail byte)
  std::uint16_t hiragana;  // hiragana code, or 0 when there is none
  std::string_view half;   // half-width bytes, or empty when there is none
};

// Katakana with their hiragana and half-width forms, then the width-only marks and
// punctuation (ー ゛ ゜ 、 。 「 」 ・).
std::span<const CharForms> KanaForms();

// The ideographic space and the full-width forms of ASCII 0x21 to 0x7E.
std::span<const CharForms> AsciiForms();

}  // namespace kz
