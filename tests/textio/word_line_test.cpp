#include "textio/word_line.h"

#include <gtest/gtest.h>

#include "support/sjis.h"

namespace kz::textio {
namespace {

using test::Sjis;
using Fields = std::vector<std::string>;

TEST(SplitFields, SeparatorsBlanksAndQuotes) {
  struct Case {
    std::string line;
    Fields fields;
  } cases[] = {
      {"a,b,1", {"a", "b", "1"}},
      {"a b", {"a", "b"}},
      {"a , b", {"a", "b"}},
      {"a\t \tb", {"a", "b"}},
      {"a,,b", {"a", "", "b"}},
      {",b", {"", "b"}},
      {"a,", {"a", ""}},
      {"a, ", {"a"}},
      {"", {}},
      {" \t ", {}},
      {"\"ab\"cd", {"ab", "cd"}},
      {"\"a,b c\",d", {"a,b c", "d"}},
      {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
      {"\"open to the end, b", {"open to the end, b"}},
      {"  lead,trail  ", {"lead", "trail"}},
      {"\x01"
       "a\x1F"
       "b",
       {"a", "b"}},  // control bytes are blanks
  };
  for (const auto& c : cases) EXPECT_EQ(SplitFields(c.line), c.fields) << c.line;
}

TEST(SplitFields, TrailBytesAndFullWidthSpaceAreText) {
  // 表 is 0x95 0x5C; ソ is 0x83 0x5C: trail bytes that look like ASCII stay inside the field.
  EXPECT_EQ(SplitFields(Sjis("表,ソ")), (Fields{Sjis("表"), Sjis("ソ")}));
  EXPECT_EQ(SplitFields(Sjis("漢　字,x")), (Fields{Sjis("漢　字"), "x"}));
  // A lead byte whose trail byte would be a comma takes it as its second byte.
  EXPECT_EQ(SplitFields("a\x81,b"), (Fields{"a\x81,b"}));
  // A lone lead byte at the end of the line is kept, not read past.
  EXPECT_EQ(SplitFields("ab\x81"), (Fields{"ab\x81"}));
  EXPECT_EQ(SplitFields("\"ab\x81"), (Fields{"ab\x81"}));
}

TEST(ParseKindField, Forms) {
  struct Case {
    const char* field;
    std::int32_t kind;
  } cases[] = {
      {"1", 1},
      {"33", 33},
      {"40", 40},
      {"+7", 7},
      {"-3", -3},
      {"  12", 12},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", 0},
      {"-2147483649", 0},
      {"99999999999999999999", 0},
      {"$1F", 31},
      {"x10", 16},
      {"X10", 16},
      {"0x1f", 31},
      {"0XFF", 255},
      {"-0x10", 16},
      {"0xFFFFFFFF", -1},
      {"0x100000000", 0},
      {"$", 0},
      {"", 0},
      {"-", 0},
      {"+", 0},
      {"abc", 0},
      {"1a", 0},
      {"1 ", 0},
      {"0x1g", 0},
      {"1.5", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseKindField(c.field), c.kind) << c.field;
}

TEST(RenderWordLine, QuotesOnlyWhatWouldSplit) {
  struct Case {
    Row row;
    std::string line;
  } cases[] = {
      {{Sjis("ｱｲｳ"), Sjis("漢字"), 1}, Sjis("ｱｲｳ,漢字,1")},
      {{Sjis("ｱｲｳ"), Sjis("漢 字"), 40}, Sjis("ｱｲｳ,\"漢 字\",40")},
      {{Sjis("ｱｲｳ"), "a,b", 0}, Sjis("ｱｲｳ,\"a,b\",0")},
      {{Sjis("ｱｲｳ"), "say \"hi\"", 0}, Sjis("ｱｲｳ,\"say \"\"hi\"\"\",0")},
      {{Sjis("ｱｲｳ"), Sjis("漢　字"), 0}, Sjis("ｱｲｳ,漢　字,0")},
      {{Sjis("ｱｲｳ"), Sjis("表"), -3}, Sjis("ｱｲｳ,表,-3")},
      {{Sjis("ｱｲｳ"), "a\tb", 2}, Sjis("ｱｲｳ,\"a\tb\",2")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RenderWordLine(c.row), c.line) << test::Utf8(c.line);
    // And the line splits back into the same three fields.
    const Fields fields = SplitFields(c.line);
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[1], c.row.phrase);
    EXPECT_EQ(ParseKindField(fields[2]), c.row.kind);
  }
}

}  // namespace
}  // namespace kz::textio
