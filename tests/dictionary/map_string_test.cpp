#include "dictionary/map_string.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sjis.h"

namespace kz {
namespace {

using test::Sjis;

struct MapCase {
  std::string in;
  std::uint32_t flags;
  std::string out;
};

std::string Hex(const std::string& bytes) {
  std::string s;
  for (unsigned char c : bytes) s += "0123456789ABCDEF"[c >> 4], s += "0123456789ABCDEF"[c & 15];
  return s;
}

TEST(MapStringTest, TableOfConversions) {
  const std::vector<MapCase> cases = {
      // Readings: hiragana and full-width katakana to half-width katakana.
      {"", kMapHalfKatakana, ""},
      {Sjis("あいうえお"), kMapHalfKatakana, Sjis("ｱｲｳｴｵ")},
      {Sjis("アイウエオ"), kMapHalfKatakana, Sjis("ｱｲｳｴｵ")},
      {Sjis("ぁぃぅぇぉっゃゅょ"), kMapHalfKatakana, Sjis("ｧｨｩｪｫｯｬｭｮ")},
      {Sjis("ァィゥェォッャュョ"), kMapHalfKatakana, Sjis("ｧｨｩｪｫｯｬｭｮ")},
      {Sjis("をんヲン"), kMapHalfKatakana, Sjis("ｦﾝｦﾝ")},
      {Sjis("がぎぐげござじずぜぞだぢづでどばびぶべぼ"), kMapHalfKatakana,
       Sjis("ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ")},
      {Sjis("ぱぴぷぺぽパピプペポ"), kMapHalfKatakana, Sjis("ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ")},
      {Sjis("ガッコウ"), kMapHalfKatakana, Sjis("ｶﾞｯｺｳ")},
      {Sjis("ヴ"), kMapHalfKatakana, Sjis("ｳﾞ")},
      {Sjis("ぱーてぃー"), kMapHalfKatakana, Sjis("ﾊﾟｰﾃｨｰ")},
      {Sjis("まみむめもやゆよらりるれろわ"), kMapHalfKatakana, Sjis("ﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜ")},
      {Sjis("ー゛゜、。「」・"), kMapHalfKatakana, Sjis("ｰﾞﾟ､｡｢｣･")},
      {Sjis("ＡＢＣｘｙｚ０１９　！＼～（）＂＇"), kMapHalfKatakana, "ABCxyz019 !\\~()\"'"},
      // Half-width text and characters without a half-width form stay.
      {Sjis("ｶﾞｯｺｳ ABC ｡､"), kMapHalfKatakana, Sjis("ｶﾞｯｺｳ ABC ｡､")},
      {Sjis("漢字ヮヰヱヵヶ"), kMapHalfKatakana, Sjis("漢字ヮヰヱヵヶ")},
      {Sjis("ゎゐゑゝゞ"), kMapHalfKatakana, Sjis("ヮヰヱヽヾ")},
      // Half-width alone: hiragana stay.
      {Sjis("アガパあがー"), kMapHalfwidth, Sjis("ｱｶﾞﾊﾟあがｰ")},
      {Sjis("ＡＢＣ　１"), kMapHalfwidth, "ABC 1"},
      // Full-width katakana: a letter and its mark become one letter where there is one.
      {Sjis("ｶﾞｯｺｳ"), kMapFullKatakana, Sjis("ガッコウ")},
      {Sjis("ﾊﾟｰﾃｨｰ"), kMapFullKatakana, Sjis("パーティー")},
      {Sjis("ｳﾞｧ"), kMapFullKatakana, Sjis("ヴァ")},
      {Sjis("ﾜﾞｦﾞｶﾟﾞｱ"), kMapFullKatakana, Sjis("ワ゛ヲ゛カ゜゛ア")},
      {Sjis("ﾟ､｡｢｣･"), kMapFullKatakana, Sjis("゜、。「」・")},
      {Sjis("ひらがなゎ"), kMapFullKatakana, Sjis("ヒラガナヮ")},
      {"AZ az 09~\\\"'", kMapFullKatakana, Sjis("ＡＺ　ａｚ　０９～＼＂＇")},
      // Full-width hiragana: ヴ ヵ ヶ have no hiragana and stay katakana.
      {Sjis("ｶﾞｯｺｳｦﾝ"), kMapFullHiragana, Sjis("がっこうをん")},
      {Sjis("カタカナヮヽ"), kMapFullHiragana, Sjis("かたかなゎゝ")},
      {Sjis("ｳﾞヴヵヶ"), kMapFullHiragana, Sjis("ヴヴヵヶ")},
      {Sjis("ﾜﾞｰ"), kMapFullHiragana, Sjis("わ゛ー")},
      // Full-width alone: half-width kana become katakana, full-width kana keep their script.
      {Sjis("ｶﾞｷ ひらカタ漢字"), kMapFullwidth, Sjis("ガキ　ひらカタ漢字")},
      // Bytes as they come: a lone lead byte stays, the NEC form of ＂ maps too, a zero byte
      // ends the text.
      {std::string("\xB1\x82", 2), kMapHalfKatakana, std::string("\xB1\x82", 2)},
      {std::string("\xB1\x82", 2), kMapFullKatakana, std::string("\x83\x41\x82", 3)},
      {"\xEE\xFC", kMapHalfKatakana, "\""},
      {std::string("\xB1\0\xB2", 3), kMapHalfKatakana, "\xB1"},
  };
  for (const MapCase& c : cases) {
    EXPECT_EQ(Hex(MapString(c.in, c.flags)), Hex(c.out))
        << "input " << Hex(c.in) << " flags " << std::hex << c.flags;
  }
}

// Every half-width katakana, alone and before each mark, survives the way to full width
// and back; its hiragana and katakana forms have the same length.
TEST(MapStringTest, HalfWidthKanaRoundTrip) {
  std::vector<std::string> texts;
  for (int b = 0xA1; b <= 0xDF; ++b) {
    texts.push_back(std::string(1, static_cast<char>(b)));
    texts.push_back(std::string(1, static_cast<char>(b)) + "\xDE");
    texts.push_back(std::string(1, static_cast<char>(b)) + "\xDF");
  }
  for (const std::string& half : texts) {
    const std::string katakana = MapString(half, kMapFullKatakana);
    const std::string hiragana = MapString(half, kMapFullHiragana);
    EXPECT_EQ(katakana.size(), hiragana.size()) << Hex(half);
    EXPECT_EQ(Hex(MapString(katakana, kMapHalfKatakana)), Hex(half));
    EXPECT_EQ(Hex(MapString(hiragana, kMapHalfKatakana)), Hex(half));
  }
}

TEST(MapStringTest, AsciiRoundTrip) {
  for (int b = 0x20; b <= 0x7E; ++b) {
    const std::string ascii(1, static_cast<char>(b));
    const std::string full = MapString(ascii, kMapFullwidth);
    EXPECT_EQ(Hex(full), Hex(Sjis(test::Utf8(full))));  // a real CP932 character
    ASSERT_EQ(full.size(), 2u) << ascii;
    EXPECT_EQ(MapString(full, kMapHalfwidth), ascii);
  }
}

}  // namespace
}  // namespace kz
