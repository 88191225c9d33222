#include "textio/routing.h"

#include <gtest/gtest.h>

#include <string>

namespace kz::textio {
namespace {

TEST(RoutingTest, ExtensionAndRoute) {
  const struct {
    std::string path;
    std::string extension;
    FileRoute route;
  } cases[] = {
      {"words.aad", ".aad", FileRoute::kDictionary},
      {"/home/u/WORDS.AAD", ".AAD", FileRoute::kDictionary},
      {"dic.Pbx", ".Pbx", FileRoute::kPbxText},
      {"dic.pbx.csv", ".csv", FileRoute::kWordLines},
      {"a.aad.txt", ".txt", FileRoute::kWordLines},
      {"/tmp/dir.aad/words", "", FileRoute::kWordLines},  // the dot belongs to a folder
      {"words", "", FileRoute::kWordLines},
      {"words.", ".", FileRoute::kWordLines},
      {"/home/u/.aad", ".aad", FileRoute::kDictionary},
      {"a.aadx", ".aadx", FileRoute::kWordLines},
      {"c:\\x.aad", ".aad", FileRoute::kDictionary},  // "\" and ":" are ordinary here
      {"", "", FileRoute::kWordLines},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Extension(c.path), c.extension) << c.path;
    EXPECT_EQ(RouteFor(c.path), c.route) << c.path;
    EXPECT_EQ(HasExtension(c.path), !c.extension.empty()) << c.path;
  }
}

}  // namespace
}  // namespace kz::textio
