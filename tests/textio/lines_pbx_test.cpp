#include <gtest/gtest.h>

#include "support/sjis.h"
#include "textio/lines.h"
#include "textio/pbx.h"
#include "textio/routing.h"

namespace kz::textio {
namespace {

using test::Sjis;
using Lines = std::vector<std::string>;

TEST(SplitLines, LineEndsAndNul) {
  struct Case {
    std::string text;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\nc\r\n", {"a", "b", "c"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\n", {"a", ""}},
      {"\r\n", {""}},
      {"\n\r", {"", ""}},  // LF, then a lone CR
      {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
      {std::string("\0a", 2), {}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines);
}

TEST(JoinLines, CrLfAfterEveryLine) {
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(CutPbxHeader, KeepsOnlyWhatFollowsTheExactMarker) {
  struct Case {
    Lines in, out;
  } cases[] = {
      {{"DicVer:x", "DicBegin:", "a", "b"}, {"a", "b"}},
      {{"DicBegin:", "a"}, {"a"}},
      {{"DicBegin: ", "a"}, {}},
      {{"dicbegin:", "DicBegin: ", "a", "DicBegin:", "b"}, {"b"}},
      {{"x", "DicBegin:"}, {}},
      {{}, {}},
      {{"a", "b"}, {}},
  };
  for (auto& c : cases) {
    CutPbxHeader(c.in);
    EXPECT_EQ(c.in, c.out);
  }
}

TEST(RenderPbx, TheSampleDictionaryByteForByte) {
  const std::vector<Row> rows = {{Sjis("ｱｲｳ"), Sjis("漢字"), 1}, {Sjis("ｶﾞｯｺｳ"), Sjis("学校"), 0}};
  const std::string expected = Sjis(
      "DicVer:SEMC_01001001\r\nDicChr:Shift_JIS\r\nDicDate:20050101\r\n"
      "DicTitle:サンプル辞書\r\nDicMaker:rilo\r\nDicProtect:\r\nDicOperator:au_KDDI\r\n"
      "DicSoftware:Kazamori\r\nDicBegin:\r\nあいう\t漢字\r\nがっこう\t学校\r\n");
  EXPECT_EQ(RenderPbx({Sjis("サンプル辞書"), "rilo", "2005/01/01 00:00:00"}, rows), expected);
}

TEST(RenderPbx, DateDigitsAndMakerValue) {
  const auto header = [](const std::string& author, const std::string& date) {
    return SplitLines(RenderPbx({"n", author, date}, {}));
  };
  EXPECT_EQ(header("", "2005/01/01 00:00:00")[4], "DicMaker:rilo");
  EXPECT_EQ(header("rilo/abc", "")[4], "DicMaker:rilo/abc");
  EXPECT_EQ(header("abc", "")[4], "DicMaker:rilo/abc");
  EXPECT_EQ(header("RILO", "")[4], "DicMaker:rilo/RILO");
  EXPECT_EQ(header("a", "2005-01-01 00:00")[2], "DicDate:2005-01-");
  EXPECT_EQ(header("a", "05/1")[2], "DicDate:051");
  EXPECT_EQ(header("a", "")[2], "DicDate:");
}

TEST(Routing, ExtensionsCompareWithoutCase) {
  struct Case {
    const char* path;
    FileRoute route;
    bool hasExtension;
  } cases[] = {
      {"/a/words.aad", FileRoute::kDictionary, true},
      {"/a/WORDS.AAD", FileRoute::kDictionary, true},
      {"/a/w.Pbx", FileRoute::kPbxText, true},
      {"/a/w.csv", FileRoute::kWordLines, true},
      {"/a/words", FileRoute::kWordLines, false},
      {"/a.aad/words", FileRoute::kWordLines, false},
      {"/a/w.aad.txt", FileRoute::kWordLines, true},
      {"w.", FileRoute::kWordLines, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RouteFor(c.path), c.route) << c.path;
    EXPECT_EQ(HasExtension(c.path), c.hasExtension) << c.path;
  }
}

}  // namespace
}  // namespace kz::textio
