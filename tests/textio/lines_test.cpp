#include "textio/lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kz::textio {
namespace {

using Lines = std::vector<SjisString>;

TEST(SplitLinesTest, LineEndsAndNul) {
  using namespace std::string_literals;
  const struct {
    std::string text;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\n", {"a", ""}},
      {"\r\n", {""}},
      {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR are two line ends
      {"\n\r", {"", ""}},
      {"a\n\n", {"a", ""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\r\nb\0c\r\nd"s, {"a", "b"}},  // a NUL byte ends the text
      {"\0a"s, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitLines(c.text), c.lines) << "text of " << c.text.size() << " bytes";
  }
}

TEST(JoinLinesTest, EndsEveryLineWithCrLf) {
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(JoinLines({""}), "\r\n");
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(SplitLines(JoinLines({"a", "", "b"})), (Lines{"a", "", "b"}));
}

}  // namespace
}  // namespace kz::textio
