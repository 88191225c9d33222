#include "textio/word_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/sjis.h"

namespace kz::textio {
namespace {

using test::Sjis;
using Fields = std::vector<SjisString>;

TEST(SplitFieldsTest, SeparatorsAndQuotes) {
  const struct {
    std::string line;
    Fields fields;
  } cases[] = {
      {"a,b,1", {"a", "b", "1"}},
      {"a b", {"a", "b"}},
      {"a , b", {"a", "b"}},
      {"a,,b", {"a", "", "b"}},
      {",b", {"", "b"}},
      {"a,", {"a", ""}},
      {"a, ", {"a"}},
      {"", {}},
      {" \t\x01 ", {}},
      {"\"ab\"cd", {"ab", "cd"}},
      {"\t a\tb \x1f", {"a", "b"}},
      {"a\t \tb", {"a", "b"}},
      {"  lead,trail  ", {"lead", "trail"}},
      {"\"a,b\",\"c \"\"d\"\"\"", {"a,b", "c \"d\""}},
      {"\"\",x", {"", "x"}},
      {"\"open, to the end", {"open, to the end"}},
      {"\"a\"\"", {"a\""}},       // a doubled quote at the end does not close the field
      {"a\"b,c", {"a\"b", "c"}},  // a quote inside a plain field is text
      {",", {"", ""}},
      {"a,,", {"a", "", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitFields(c.line), c.fields) << c.line;
}

TEST(SplitFieldsTest, ScansByShiftJisCharacter) {
  // 0x81 0x40 is the full-width space: ordinary text.
  EXPECT_EQ(SplitFields(Sjis("漢　字,x")), (Fields{Sjis("漢　字"), "x"}));
  // A lone lead byte at the end of a line, plain or quoted, is kept and nothing is read past it.
  EXPECT_EQ(SplitFields("a,\x81"), (Fields{"a", "\x81"}));
  EXPECT_EQ(SplitFields("a,\"\x81"), (Fields{"a", "\x81"}));
  // A lead byte before a byte that cannot trail does not hide that separator.
  EXPECT_EQ(SplitFields("\x81,b"), (Fields{"\x81", "b"}));
  EXPECT_EQ(SplitFields("\"\x81\",b"), (Fields{"\x81", "b"}));
  // 表 and ソ end in 0x5C: trail bytes stay inside their field.
  EXPECT_EQ(SplitFields(Sjis("表,ソ")), (Fields{Sjis("表"), Sjis("ソ")}));
  // Half-width katakana are single bytes; "ｱｲｳ,漢字" splits at the comma.
  EXPECT_EQ(SplitFields(Sjis("ｱｲｳ,漢字")), (Fields{Sjis("ｱｲｳ"), Sjis("漢字")}));
}

TEST(ParseKindFieldTest, Forms) {
  const struct {
    std::string field;
    std::int32_t kind;
  } cases[] = {
      {"1", 1},
      {"40", 40},
      {"+7", 7},
      {"-3", -3},
      {"  12", 12},
      {"007", 7},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", 0},
      {"-2147483649", 0},
      {"99999999999999999999", 0},
      {"$1f", 31},
      {"x1F", 31},
      {"X10", 16},
      {"0x10", 16},
      {"0XfF", 255},
      {"-$10", 16},  // the sign has no effect on hexadecimal
      {"+0x10", 16},
      {"$FFFFFFFF", -1},
      {"$80000000", INT_MIN},
      {"$000000001", 1},
      {"$100000000", 0},
      {"$", 0},
      {"0x", 0},
      {"$g", 0},
      {"", 0},
      {"   ", 0},
      {"+", 0},
      {"-", 0},
      {"abc", 0},
      {"1 ", 0},
      {"1a", 0},
      {"- 1", 0},
      {"1.5", 0},
      {"--1", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseKindField(c.field), c.kind) << "'" << c.field << "'";
}

TEST(RenderWordLineTest, QuotesOnlyWhatNeedsIt) {
  const struct {
    Row row;
    std::string line;
  } cases[] = {
      {{Sjis("ｱｲｳ"), Sjis("漢字"), 1}, Sjis("ｱｲｳ,漢字,1")},
      {{Sjis("ｱｲｳ"), Sjis("漢字"), 40}, Sjis("ｱｲｳ,漢字,40")},
      {{Sjis("ｱｲｳ"), Sjis("漢字"), -3}, Sjis("ｱｲｳ,漢字,-3")},
      {{Sjis("ｱ"), Sjis("漢 字"), 0}, Sjis("ｱ,\"漢 字\",0")},
      {{Sjis("ｱ"), "a,b", 0}, Sjis("ｱ,\"a,b\",0")},
      {{Sjis("ｱ"), "say \"hi\"", 0}, Sjis("ｱ,\"say \"\"hi\"\"\",0")},
      {{Sjis("ｱ"), "a\tb", 0}, Sjis("ｱ,\"a\tb\",0")},
      {{Sjis("ｱ"), Sjis("漢　字"), 0}, Sjis("ｱ,漢　字,0")},   // full-width space: unquoted
      {{Sjis("ｱ"), "\x81,", 0}, Sjis("ｱ") + ",\"\x81,\",0"},  // a comma after a lone lead byte
  };
  for (const auto& c : cases) EXPECT_EQ(RenderWordLine(c.row), c.line) << test::Utf8(c.line);
}

TEST(RenderWordLineTest, SplitsBackIntoItsFields) {
  const Row rows[] = {
      {Sjis("ｶﾞｯｺｳ"), Sjis("学校"), 0},
      {Sjis("ｱ"), " lead, \"mid\" \t end ", 33},
      {Sjis("ｱ"), "\"", -2147483647 - 1},
      {Sjis("ｱ"), "x\x81", 5},         // ends in a lone lead byte before the comma
      {Sjis("ｱ"), Sjis("ソ表能"), 1},  // trail byte 0x5C is ordinary text
  };
  for (const Row& row : rows) {
    const Fields fields = SplitFields(RenderWordLine(row));
    ASSERT_EQ(fields.size(), 3u) << RenderWordLine(row);
    EXPECT_EQ(fields[0], row.reading);
    EXPECT_EQ(fields[1], row.phrase);
    EXPECT_EQ(ParseKindField(fields[2]), row.kind);
  }
}

TEST(IsCommentLineTest, FirstTwoBytes) {
  EXPECT_TRUE(IsCommentLine("//"));
  EXPECT_TRUE(IsCommentLine(Sjis("//ｱｲｳ,漢字")));
  EXPECT_FALSE(IsCommentLine(" //x"));
  EXPECT_FALSE(IsCommentLine("/"));
  EXPECT_FALSE(IsCommentLine(""));
}

}  // namespace
}  // namespace kz::textio
