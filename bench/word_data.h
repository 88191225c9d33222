// Seeded generator of realistic word lists for the benchmarks: readings of half-width
// katakana syllables (some with long-vowel marks and voiced marks), phrases of level-1
// kanji mixed with hiragana, kinds 0 to 33, and a share of exact duplicates.
//
// Two shapes: the words of a large IME export (readings of 2 to 7 syllables), and the
// shorter words of a dictionary made for a phone, 5,000 of which fit the .aad format's
// 16-bit group offsets.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "dictionary/word_list.h"

namespace kz::bench {

struct WordShape {
  int maxSyllables;  // at least 2
  int maxKanji;      // at least 1
};
inline constexpr WordShape kExportWords{7, 4};
inline constexpr WordShape kPhoneWords{5, 3};

inline std::vector<Row> MakeRows(std::size_t count, std::uint32_t seed,
                                 WordShape shape = kExportWords) {
  static const char* const kSyllables[] = {
      "\xB1",     "\xB2",     "\xB3", "\xB4", "\xB5",     "\xB6",     "\xB7",     "\xB8",
      "\xB9",     "\xBA",     "\xBB", "\xBC", "\xBD",     "\xBE",     "\xBF",     "\xC0",
      "\xC1",     "\xC2",     "\xC3", "\xC4", "\xC5",     "\xC6",     "\xC7",     "\xC8",
      "\xC9",     "\xCA",     "\xCB", "\xCC", "\xCD",     "\xCE",     "\xCF",     "\xD0",
      "\xD1",     "\xD2",     "\xD3", "\xD4", "\xD5",     "\xD6",     "\xD7",     "\xD8",
      "\xD9",     "\xDA",     "\xDB", "\xDC", "\xB6\xDE", "\xBB\xDE", "\xC0\xDE", "\xCA\xDF",
      "\xBC\xAE", "\xB7\xAD", "\xDD", "\xAF", "\xB0"};
  constexpr std::size_t kFirstOnly = 48;  // syllables allowed first: up to ﾊﾟ
  std::mt19937 rng(seed);
  std::vector<Row> rows;
  rows.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0 && rng() % 20 == 0) {  // 5% duplicates of a recent row
      rows.push_back(rows[i - 1 - rng() % std::min<std::size_t>(i, 50)]);
      continue;
    }
    Row row;
    const int syllables = 2 + static_cast<int>(rng() % (shape.maxSyllables - 1));
    for (int s = 0; s < syllables; ++s) {
      const std::size_t pick =
          s == 0 ? rng() % kFirstOnly : rng() % (sizeof kSyllables / sizeof *kSyllables);
      const std::string syl = kSyllables[pick];
      if (row.reading.size() + syl.size() > 16) break;
      row.reading += syl;
    }
    const int kanji = 1 + static_cast<int>(rng() % shape.maxKanji);
    for (int k = 0; k < kanji; ++k) {
      const unsigned lead = 0x88 + rng() % 0x10;
      const unsigned trail = 0x9F + rng() % 0x5D;
      row.phrase += static_cast<char>(lead);
      row.phrase += static_cast<char>(trail);
    }
    if (rng() % 3 == 0) row.phrase += "\x82\xB7\x82\xE9";  // する
    row.kind = static_cast<std::int32_t>(rng() % 34);
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace kz::bench
