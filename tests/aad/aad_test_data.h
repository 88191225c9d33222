// Test data for the .aad tests: the golden fixtures, the worked example's rows, and
// generated word lists of plausible words (readings in half-width katakana; phrases in
// kana, kanji, or kanji with kana at either end).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "dictionary/map_string.h"
#include "dictionary/word_list.h"
#include "support/sjis.h"

namespace kz {

// Rows in failure messages: the bytes in hexadecimal and the kind.
inline void PrintTo(const Row& row, std::ostream* out) {
  auto hex = [out](const std::string& bytes) {
    for (unsigned char b : bytes) *out << "0123456789ABCDEF"[b >> 4] << "0123456789ABCDEF"[b & 15];
  };
  *out << "{";
  hex(row.reading);
  *out << " ";
  hex(row.phrase);
  *out << " " << row.kind << "}";
}

}  // namespace kz

namespace kz::test {

inline std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(KZ_FIXTURES) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The seed of generated data: $KZ_SEED when set, else a fresh one. Logged in the test
// output so that a failure can be repeated.
inline std::uint32_t TestSeed() {
  const char* given = std::getenv("KZ_SEED");
  const std::uint32_t seed = given != nullptr
                                 ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10))
                                 : std::random_device{}();
  ::testing::Test::RecordProperty("seed", std::to_string(seed));
  std::printf("seed (KZ_SEED): %u\n", seed);
  return seed;
}

inline std::vector<Row> WorkedExampleRows() {
  return {{Sjis("ｱｲ"), Sjis("愛"), 1},
          {Sjis("ｶｸ"), Sjis("書く"), 17},
          {Sjis("ｶｸ"), Sjis("描く"), 17},
          {Sjis("ｶﾀｶﾅ"), Sjis("かたかな"), 0},
          {Sjis("ｶﾀｶﾅｺﾞ"), Sjis("カタカナ語"), 1}};
}

// A reading that obeys the reading rules: first byte ｱ..ﾜ, the rest ｦ..ﾟ, 1 to `maxLength`.
inline std::string RandomReading(std::mt19937& rng, std::size_t maxLength = 16) {
  std::uniform_int_distribution<std::size_t> length(1, maxLength);
  std::uniform_int_distribution<int> first(0xB1, 0xDC), other(0xA6, 0xDF);
  std::string reading(1, static_cast<char>(first(rng)));
  for (std::size_t n = length(rng); reading.size() < n;) reading += static_cast<char>(other(rng));
  return reading;
}

inline std::string RandomKanji(std::mt19937& rng, std::size_t count) {
  static const std::string kKanji = Sjis("愛書描語食見舞音楽転超漢字辞典電話番号東京");
  std::uniform_int_distribution<std::size_t> pick(0, kKanji.size() / 2 - 1);
  std::string out;
  for (std::size_t i = 0; i < count; ++i) out += kKanji.substr(2 * pick(rng), 2);
  return out;
}

// A phrase for `reading`: its kana in either script, or kanji with kana of the reading's
// start or end in either script, or kanji alone; at most 50 bytes.
inline std::string RandomPhrase(std::mt19937& rng, const std::string& reading) {
  const std::uint32_t script = rng() % 2 == 0 ? kMapFullHiragana : kMapFullKatakana;
  std::uniform_int_distribution<std::size_t> cut(0, reading.size());
  std::string phrase;
  switch (rng() % 5) {
    case 0:
      phrase = MapString(reading, script);
      break;
    case 1:
      phrase = RandomKanji(rng, 1 + rng() % 3) + MapString(reading.substr(cut(rng)), script);
      break;
    case 2:
      phrase = MapString(reading.substr(0, cut(rng)), script) + RandomKanji(rng, 1 + rng() % 3);
      break;
    case 3:
      phrase = MapString(reading.substr(0, cut(rng)), script) + RandomKanji(rng, 1) +
               MapString(reading.substr(cut(rng)), script);
      break;
    default:
      phrase = RandomKanji(rng, 1 + rng() % 6);
      break;
  }
  if (phrase.empty()) phrase = RandomKanji(rng, 1);
  if (phrase.size() > 50) phrase.resize(50);  // may split a character: still bytes to code
  return phrase;
}

// `n` rows sorted by reading, with runs of equal readings and kinds 0 to 33.
inline std::vector<Row> GeneratedRows(std::mt19937& rng, std::size_t n) {
  std::vector<Row> rows;
  while (rows.size() < n) {
    const std::string reading = RandomReading(rng);
    for (std::size_t same = 1 + rng() % 3; same > 0 && rows.size() < n; --same) {
      rows.push_back({reading, RandomPhrase(rng, reading), static_cast<std::int32_t>(rng() % 34)});
    }
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    return ListViewCompare(a.reading, b.reading) < 0;
  });
  return rows;
}

}  // namespace kz::test
