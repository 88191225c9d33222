#include <gtest/gtest.h>

#include "aad/aad_file.h"
#include "aad_test_data.h"
#include "support/sjis.h"

namespace kz::aad {
namespace {

using test::Sjis;

TEST(AadVerify, GoldenFilesAndUnsortedListsMatch) {
  for (const char* name : {"worked-example.aad", "worked-example-casio.aad", "empty.aad"}) {
    const VerifyReport report = Verify(test::ReadFixture(name));
    EXPECT_EQ(report.firstMismatch, "") << name;
    EXPECT_TRUE(report.lengthOk && report.indexOk && report.recordAreaOk && report.nameCheckOk &&
                report.contentCheckOk && report.blockCheckOk)
        << name;
  }
  const std::vector<Row> unsorted = {
      {Sjis("ｱ"), Sjis("亜"), 0}, {Sjis("ｶ"), Sjis("可"), 0}, {Sjis("ｱ"), Sjis("阿"), 0}};
  EXPECT_EQ(Verify(Write({std::nullopt, {}, &unsorted}).bytes).firstMismatch, "");
}

TEST(AadVerify, NamesTheFirstMismatch) {
  // Offsets in worked-example.aad: G = 2, records 654..693, checks at 694, 698, 702.
  const struct {
    const char* what;
    std::size_t at;  // byte to change (xor 0x01), or npos to append a byte
    const char* mismatch;
  } cases[] = {
      {"length field", 4, "block length"},
      {"a byte after the block", std::string::npos, "block length"},
      {"first-byte table", 392 + 0xB6, "index"},
      {"group offset", 652, "index"},
      {"index length", 188, "record area"},
      {"record area length", 196, "record area"},
      {"name", 12, "name check"},
      {"name check", 694, "name check"},
      {"author", 84, "content check"},
      {"phrase byte", 654 + 4, "content check"},
      {"content check", 698, "content check"},
      {"reserved area", 300, "content check"},
      {"block check", 705, "block check"},
  };
  const std::string file = test::ReadFixture("worked-example.aad");
  for (const auto& c : cases) {
    std::string changed = file;
    if (c.at == std::string::npos) {
      changed += '\0';
    } else {
      changed[c.at] = static_cast<char>(changed[c.at] ^ 0x01);
    }
    const VerifyReport report = Verify(changed);
    EXPECT_EQ(report.read.status, ReadStatus::kOk) << c.what;
    EXPECT_EQ(report.firstMismatch, c.mismatch) << c.what;
  }
}

TEST(AadVerify, UnreadableFileNamesTheRead) {
  const VerifyReport report = Verify("not a dictionary");
  EXPECT_EQ(report.read.status, ReadStatus::kNotDictionary);
  EXPECT_EQ(report.firstMismatch, "read");
  EXPECT_FALSE(report.lengthOk || report.indexOk || report.blockCheckOk);
}

}  // namespace
}  // namespace kz::aad
