// Hostile text files through the import path (SplitLines, then ImportLines): a line of
// 10 MiB in many shapes, a file of NUL bytes, and bytes that are not code page 932. Each is
// imported or rejected as the rules say, and the heap it takes stays a small multiple of the
// file (heap_meter.cpp counts every allocation).
#include <gtest/gtest.h>

#include <string>

#include "aad/heap_meter.h"
#include "dictionary/document.h"
#include "support/sjis.h"
#include "textio/lines.h"
#include "textio/word_line.h"

namespace kz {
namespace {

using test::HeapMeter;
using test::kMiB;
using test::Sjis;

constexpr std::size_t kLine = 10 * kMiB;

std::string Repeat(const std::string& unit, std::size_t size) {
  std::string text;
  text.reserve(size + unit.size());
  while (text.size() < size) text += unit;
  return text;
}

TEST(HostileText, ALineOf10MiBIsImportedOrRejectedInBoundedMemory) {
  const std::string word = Sjis("ｱｲ,愛");
  const struct {
    const char* what;
    std::string text;
    std::size_t added;
    std::size_t rejected;
  } cases[] = {
      {"one field", Repeat("x", kLine), 0, 1},
      {"commas only", Repeat(",", kLine), 0, 1},
      {"one-byte fields", Repeat("a,", kLine), 0, 1},
      {"blanks, then a word", Repeat(" \t", kLine) + word, 1, 0},
      {"a word, then commas", word + Repeat(",", kLine), 1, 0},
      {"a word, then blank-separated fields", word + Repeat(" 1", kLine), 1, 0},
      {"a kind field of 10 MiB of zeros", word + "," + Repeat("0", kLine) + "7", 1, 0},
      {"a quoted field that never closes", "\"" + Repeat(Sjis("字"), kLine), 0, 1},
      {"doubled quotes", Repeat("\"\"", kLine), 0, 1},
      {"lone lead bytes", Repeat("\x81", kLine), 0, 1},
      {"a phrase of 10 MiB", Sjis("ｱｲ,") + Repeat(Sjis("愛"), kLine), 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const HeapMeter meter;
    Document document;
    const std::vector<SjisString> lines = textio::SplitLines(c.text);
    const ImportResult result = document.ImportLines(lines, NoProgress());
    // The line, the rejected copy and a mapped field or two.
    EXPECT_LT(meter.PeakBytes(), 6 * c.text.size());
    EXPECT_EQ(result.added, c.added);
    ASSERT_EQ(result.rejected.size(), c.rejected);
    if (c.rejected == 1) {
      EXPECT_TRUE(result.rejected[0] == c.text);  // not printed: 10 MiB
    }
  }
}

// The import asks for three fields only; what it gets is what a full split begins with.
TEST(HostileText, SplitFieldsStopsAfterTheFieldsAskedFor) {
  using Fields = std::vector<SjisString>;
  for (const SjisView line : {"a,b,c,d", "a,b,", "a,", " a b \"c,d\" e", ",,,,", "a"}) {
    const Fields all = textio::SplitFields(line);
    for (std::size_t n = 0; n <= all.size() + 1; ++n) {
      const Fields first = textio::SplitFields(line, n);
      EXPECT_EQ(first, Fields(all.begin(), all.begin() + std::min(n, all.size())))
          << line << " with " << n;
    }
  }
}

TEST(HostileText, AFileOfNulBytesHoldsNoLine) {
  const std::string nul(kLine, '\0');
  const HeapMeter meter;
  Document document;
  const ImportResult result = document.ImportLines(textio::SplitLines(nul), NoProgress());
  EXPECT_LT(meter.PeakBytes(), 4096u);
  EXPECT_EQ(result.linesSeen, 0u);
  EXPECT_TRUE(document.words().empty());
  EXPECT_FALSE(document.modified());
}

// Text that is not code page 932 never becomes something else: a phrase keeps its bytes,
// and a line whose reading holds such bytes is rejected exactly as it was given.
TEST(HostileText, BytesThatAreNotCodePage932AreKeptOrRejectedAsGiven) {
  const std::vector<SjisString> lines = {
      Sjis("ｱ,") + "\x80\xA0\xFD\xFE\xFF",
      Sjis("ｲ,愛") + "\x81",                 // a lone lead byte at the end
      Sjis("ｳ,") + "\x81\x7F" + Sjis("字"),  // a lead byte before one that cannot trail
      "\x81" + Sjis("ｱ,字"),
      Sjis("ｱ") + "\xA0" + Sjis(",字"),
      "\xFD\xFE,\xFF",
  };
  Document document;
  const ImportResult result = document.ImportLines(lines, NoProgress());
  ASSERT_EQ(document.words().size(), 3u);
  EXPECT_EQ(document.words()[0].phrase, "\x80\xA0\xFD\xFE\xFF");
  EXPECT_EQ(document.words()[1].phrase, Sjis("愛") + "\x81");
  EXPECT_EQ(document.words()[2].phrase, "\x81\x7F" + Sjis("字"));
  EXPECT_EQ(result.rejected, (std::vector<SjisString>(lines.begin() + 3, lines.end())));
  // And they go out as they came in.
  Document again;
  again.ImportLines(document.ExportLines(false), NoProgress());
  EXPECT_EQ(again.words().rows(), document.words().rows());
}

}  // namespace
}  // namespace kz
