#include "aad/phrase_coding.h"

#include <gtest/gtest.h>

#include <random>

#include "aad_test_data.h"
#include "support/sjis.h"

namespace kz::aad {
namespace {

using test::Sjis;
using test::Utf8;

struct Example {
  const char* reading;
  const char* phrase;
  std::uint8_t form;
  std::string stored;  // bytes
};

// The worked examples of the phrase coding, with the empty phrase.
const Example kExamples[] = {
    {"ｶｸ", "書く", 0x00, "\x8F\x91\x10"},
    {"ｶﾀｶﾅ", "かたかな", 0xE0, ""},
    {"ｶﾀｶﾅ", "カタカナ", 0xA0, ""},
    {"ｶﾅ", "ひらがな", 0xC0, "\xCB\xD7\xB6\xDE\xC5"},
    {"ｶﾀｶﾅｺﾞ", "カタカナ語", 0x00, "\x1B\x8C\xEA"},
    {"ﾀﾍﾞﾗﾚﾅｲ", "食べられない", 0x00, "\x90\x48\x15"},
    {"ｵﾐﾏｲ", "お見舞い", 0x00, "\x10\x8C\xA9\x95\x91\x10"},
    {"ｵﾝｶﾞｸｼﾞｬﾝﾙ", "音楽ジャンル", 0x00, "\x89\xB9\x8A\x79\x1C"},
    {"ｺﾛｶﾞｻﾚﾅｶｯﾀﾗ", "転がされなかったら", 0x00, "\x93\x5D\x82\xAA\x16"},
    {"ﾁｮｰﾀﾉｼｲ", "超ーたのしい", 0x00, "\x92\xB4\x81\x5B\x13"},
    {"ｱｲ", "", 0xC0, ""},
};

TEST(PhraseCoding, WorkedExamplesEncodeAndDecode) {
  for (const Example& e : kExamples) {
    SCOPED_TRACE(std::string(e.reading) + " " + e.phrase);
    const std::string reading = Sjis(e.reading), phrase = Sjis(e.phrase);
    const CodedPhrase coded = EncodePhrase(reading, phrase);
    EXPECT_EQ(coded.form, e.form);
    EXPECT_EQ(coded.stored, e.stored);
    EXPECT_EQ(DecodePhrase(reading, e.form, e.stored), phrase);
  }
}

TEST(PhraseCoding, DecodeExpandsMarkersAgainstTheWholeSharedReading) {
  // Records sharing the reading ｶﾀｶﾅｺﾞ: each marker covers its own part of it.
  const std::string reading = Sjis("ｶﾀｶﾅｺﾞ");
  const struct {
    std::string stored;
    const char* phrase;
  } cases[] = {
      {"\x1B\x8C\xEA", "カタカナ語"},    // katakana prefix of 4 bytes
      {"\x08\x8C\xEA\x19", "\x08語ゴ"},  // 0x08 is no marker; katakana suffix of 2 bytes
      {"\x11\x8C\xEA\x11", "かた語ご"},  // hiragana prefix and suffix of 2 bytes each
      {"\x8C\xEA\x1F", "語カタカナゴ"},  // a suffix of 8 bytes takes all 6 the reading has
      {"\x1A", "ナゴ"},                  // a lone marker byte is a suffix marker only
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8(DecodePhrase(reading, 0x00, c.stored)), c.phrase);
  }
}

TEST(PhraseCoding, DecodeTakesUnwrittenFormsAsPlainText) {
  const std::string reading = Sjis("ｶﾅ"), stored = Sjis("仮名");
  for (std::uint8_t form : {0x20, 0x40, 0x60}) {
    EXPECT_EQ(DecodePhrase(reading, form, stored), stored);
  }
  EXPECT_EQ(DecodePhrase(reading, 0x80, Sjis("ｶﾅ")), Sjis("カナ"));
  EXPECT_EQ(DecodePhrase(Sjis("ｶﾞｯｺｳ"), 0xA0, ""), Sjis("ガッコウ"));
}

TEST(PhraseCoding, GeneratedPhrasesRoundTripAndNeverGrow) {
  std::mt19937 rng(test::TestSeed());
  for (int i = 0; i < 20000; ++i) {
    const std::string reading = test::RandomReading(rng);
    const std::string phrase = test::RandomPhrase(rng, reading);
    const CodedPhrase coded = EncodePhrase(reading, phrase);
    ASSERT_LE(coded.stored.size(), phrase.size()) << Utf8(reading) << " " << Utf8(phrase);
    ASSERT_EQ(DecodePhrase(reading, coded.form, coded.stored), phrase)
        << Utf8(reading) << " " << Utf8(phrase);
  }
}

}  // namespace
}  // namespace kz::aad
