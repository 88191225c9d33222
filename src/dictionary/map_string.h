// Kana and width mapping of Shift_JIS text, as a Japanese locale maps it.
//
// MapString converts between hiragana and katakana and between full and half width,
// for the five flag combinations the program uses (see the kMap* constants). It works on
// code-page-932 bytes through one table of kana pairs. It never fails: characters without
// a counterpart under the flags are kept as they are. It does not validate its input: a
// lone lead byte at the end is kept.
// Like the locale mapping's zero-terminated buffer, the result ends where the text has its
// first zero byte.
#pragma once

#include <cstdint>

#include "sjis_string.h"

namespace kz {

inline constexpr std::uint32_t kMapHiragana = 0x00100000;
inline constexpr std::uint32_t kMapKatakana = 0x00200000;
inline constexpr std::uint32_t kMapHalfwidth = 0x00400000;
inline constexpr std::uint32_t kMapFullwidth = 0x00800000;

// Readings and search text: hiragana and full-width katakana to half-width katakana.
inline constexpr std::uint32_t kMapHalfKatakana = kMapHalfwidth | kMapKatakana;
inline constexpr std::uint32_t kMapFullHiragana = kMapFullwidth | kMapHiragana;
inline constexpr std::uint32_t kMapFullKatakana = kMapFullwidth | kMapKatakana;

SjisString MapString(SjisView text, std::uint32_t flags);

}  // namespace kz
