#include "dictionary/vowel.h"

#include <gtest/gtest.h>

#include <string>

#include "support/sjis.h"

namespace kz {
namespace {

using test::Sjis;

TEST(VowelTest, VowelOfTable) {
  const struct {
    const char* reading;  // UTF-8
    std::size_t pos;
    const char* vowel;  // UTF-8, empty for none
  } cases[] = {
      {"ｦ", 0, "ｵ"},  {"ｧ", 0, "ｱ"},   {"ｨ", 0, "ｲ"},  {"ｫ", 0, "ｵ"},   {"ｬ", 0, "ｱ"},
      {"ｭ", 0, "ｳ"},  {"ｮ", 0, "ｵ"},   {"ｯ", 0, "ｳ"},  {"ｱ", 0, "ｱ"},   {"ｵ", 0, "ｵ"},
      {"ｶ", 0, "ｱ"},  {"ｹ", 0, "ｴ"},   {"ﾁ", 0, "ｲ"},  {"ﾄ", 0, "ｵ"},   {"ﾏ", 0, "ｱ"},
      {"ﾓ", 0, "ｵ"},  {"ﾔ", 0, "ｱ"},   {"ﾕ", 0, "ｳ"},  {"ﾖ", 0, "ｵ"},   {"ﾗ", 0, "ｱ"},
      {"ﾙ", 0, "ｳ"},  {"ﾛ", 0, "ｵ"},   {"ﾜ", 0, "ｱ"},  {"ﾝ", 0, ""},    {"ｰ", 0, ""},
      {"ﾞ", 0, ""},   {"A", 0, ""},    {"ｶﾞ", 1, "ｱ"}, {"ｶﾞｰ", 2, "ｱ"}, {"ﾎﾟ", 1, "ｵ"},
      {"ｺﾝｰ", 2, ""}, {"ｺﾝﾞｰ", 3, ""}, {"ｷｭ", 0, "ｲ"}, {"ｷｭ", 1, "ｳ"},  {"ｱ", 5, ""},
  };
  for (const auto& c : cases) {
    const std::string vowel = Sjis(c.vowel);
    EXPECT_EQ(VowelOf(Sjis(c.reading), c.pos),
              vowel.empty() ? 0 : static_cast<unsigned char>(vowel[0]))
        << c.reading << " at " << c.pos;
  }
}

TEST(VowelTest, RewriteTable) {
  const struct {
    const char* reading;
    const char* rewritten;
    bool changed;
  } cases[] = {
      {"ｽｰﾊﾟｰ", "ｽｳﾊﾟｱ", true}, {"ｹｰｷ", "ｹｴｷ", true},   {"ｼｮｰ", "ｼｮｵ", true},
      {"ｷｭｰ", "ｷｭｳ", true},     {"ﾁｪｰﾝ", "ﾁｪｴﾝ", true}, {"ｶﾞｰﾃﾞﾝ", "ｶﾞｱﾃﾞﾝ", true},
      {"ｽｰｰ", "ｽｳｳ", true},     {"ｺﾝｰ", "ｺﾝｰ", false},  {"ｺﾝｰｶｰ", "ｺﾝｰｶｱ", true},
      {"ｺﾝﾞｰ", "ｺﾝﾞｰ", false},  {"ｰｱ", "ｰｱ", false},    {"ｱｲ", "ｱｲ", false},
      {"", "", false},
  };
  for (const auto& c : cases) {
    std::string reading = Sjis(c.reading);
    EXPECT_EQ(RewriteLongVowels(reading), c.changed) << c.reading;
    EXPECT_EQ(reading, Sjis(c.rewritten)) << c.reading;
  }
}

}  // namespace
}  // namespace kz
