#include <gtest/gtest.h>

#include <string>

#include "dictionary/author.h"
#include "dictionary/kinds.h"

namespace kz {
namespace {

TEST(KindsTest, NamesAndTexts) {
  EXPECT_EQ(KindName(0), "-");
  EXPECT_EQ(KindName(1), "一般名詞");
  EXPECT_EQ(KindName(33), "副詞");
  EXPECT_EQ(KindText(17), "カ行五段");
  EXPECT_EQ(KindText(34), "34");
  EXPECT_EQ(KindText(40), "40");
  EXPECT_EQ(KindText(-3), "-3");
}

TEST(AuthorTest, StoredAuthorTable) {
  const struct {
    std::string author;
    std::string stored;
  } cases[] = {
      {"", "rilo"},       {"abc", "rilo/abc"},     {"rilo/abc", "rilo/abc"},
      {"rilo", "rilo"},   {"rilox", "rilo/rilox"}, {"RILO/abc", "rilo/RILO/abc"},
      {"rilo/", "rilo/"}, {" rilo", "rilo/ rilo"},
  };
  for (const auto& c : cases) EXPECT_EQ(StoredAuthor(c.author), c.stored) << c.author;
}

}  // namespace
}  // namespace kz
