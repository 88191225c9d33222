#include "textio/pbx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sjis.h"
#include "textio/lines.h"

namespace kz::textio {
namespace {

using test::Sjis;
using Lines = std::vector<SjisString>;

TEST(RenderPbxTest, SampleDictionaryByteForByte) {
  const PbxInfo info{Sjis("サンプル辞書"), "rilo", "2005/01/01 00:00:00"};
  const std::vector<Row> rows = {{Sjis("ｱｲｳ"), Sjis("漢字"), 1}, {Sjis("ｶﾞｯｺｳ"), Sjis("学校"), 0}};
  const std::string expected = Sjis(
      "DicVer:SEMC_01001001\r\n"
      "DicChr:Shift_JIS\r\n"
      "DicDate:20050101\r\n"
      "DicTitle:サンプル辞書\r\n"
      "DicMaker:rilo\r\n"
      "DicProtect:\r\n"
      "DicOperator:au_KDDI\r\n"
      "DicSoftware:Kazamori\r\n"
      "DicBegin:\r\n"
      "あいう\t漢字\r\n"
      "がっこう\t学校\r\n");
  EXPECT_EQ(RenderPbx(info, rows), expected);
}

// The header line that starts with `key`.
std::string HeaderLine(const PbxInfo& info, const std::string& key) {
  for (const SjisString& line : SplitLines(RenderPbx(info, {}))) {
    if (line.starts_with(key)) return line;
  }
  return "(none)";
}

TEST(RenderPbxTest, DateAndMakerLines) {
  const struct {
    PbxInfo info;
    std::string date;
    std::string maker;
  } cases[] = {
      {{"", "", "2005/01/01 00:00:00"}, "DicDate:20050101", "DicMaker:rilo"},
      {{"", "rilo/abc", "2005-01-01 00:00:00"}, "DicDate:2005-01-", "DicMaker:rilo/abc"},
      {{"", "abc", "05/1/2"}, "DicDate:0512", "DicMaker:rilo/abc"},
      {{"", "rilo", "05/1"}, "DicDate:051", "DicMaker:rilo"},
      {{"", "RILO", ""}, "DicDate:", "DicMaker:rilo/RILO"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HeaderLine(c.info, "DicDate:"), c.date);
    EXPECT_EQ(HeaderLine(c.info, "DicMaker:"), c.maker);
  }
}

TEST(RenderPbxTest, LongVowelMarkAndEmptyList) {
  const std::string text = RenderPbx({"", "", ""}, {{Sjis("ｽｰﾊﾟｰ"), "x y", 3}});
  EXPECT_TRUE(text.ends_with(Sjis("DicBegin:\r\nすーぱー\tx y\r\n"))) << test::Utf8(text);
  EXPECT_TRUE(RenderPbx({"", "", ""}, {}).ends_with("DicBegin:\r\n"));
}

TEST(CutPbxHeaderTest, UpToTheFirstExactMarker) {
  const struct {
    Lines lines;
    Lines rest;
  } cases[] = {
      {{"DicVer:x", "DicBegin:", "a", "DicBegin:", "b"}, {"a", "DicBegin:", "b"}},
      {{"DicBegin:", "a"}, {"a"}},
      {{"DicBegin:"}, {}},
      {{"x", "DicBegin:"}, {}},               // the marker as the last line
      {{"DicVer:x", "DicBegin: ", "a"}, {}},  // a trailing space is not the marker
      {{" DicBegin:", "dicbegin:", "a"}, {}},
      {{"a", "b"}, {}},
      {{}, {}},
  };
  for (auto c : cases) {
    CutPbxHeader(c.lines);
    EXPECT_EQ(c.lines, c.rest);
  }
}

}  // namespace
}  // namespace kz::textio
