#include <gtest/gtest.h>

#include <random>

#include "aad/aad_file.h"
#include "aad_test_data.h"
#include "support/sjis.h"

namespace kz::aad {
namespace {

using test::Sjis;
using namespace std::string_literals;

std::string Be32(std::uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}

void SetLe32(std::string& bytes, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
}

// A DATA block without records, and with `records` as its record area and word count.
std::string BlockWith(const std::string& records, std::uint32_t count) {
  std::string block = test::ReadFixture("empty.aad");
  block.resize(650);
  SetLe32(block, 80, count);
  SetLe32(block, 196, static_cast<std::uint32_t>(records.size()));
  return block + records + std::string(12, '\0');
}

TEST(AadReader, ReadsTheGoldenFiles) {
  const ReadResult plain = Read(test::ReadFixture("worked-example.aad"));
  ASSERT_EQ(plain.status, ReadStatus::kOk);
  EXPECT_FALSE(plain.hasHeader);
  EXPECT_FALSE(plain.makerCode.has_value());
  EXPECT_EQ(plain.rows, test::WorkedExampleRows());
  EXPECT_EQ(plain.info.name, Sjis("テスト"));
  EXPECT_EQ(plain.info.author, "rilo");  // an empty author was stored as "rilo"
  EXPECT_EQ(plain.info.date, "2005/01/01 00:00:00");

  const ReadResult casio = Read(test::ReadFixture("worked-example-casio.aad"));
  ASSERT_EQ(casio.status, ReadStatus::kOk);
  EXPECT_TRUE(casio.hasHeader);
  EXPECT_EQ(casio.makerCode, "CASIO");
  EXPECT_EQ(casio.rows, test::WorkedExampleRows());
  EXPECT_EQ(casio.info.name, Sjis("テスト"));

  const ReadResult empty = Read(test::ReadFixture("empty.aad"));
  ASSERT_EQ(empty.status, ReadStatus::kOk);
  EXPECT_TRUE(empty.rows.empty());
  EXPECT_EQ(empty.info.author, Sjis("名無しさん"));
}

TEST(AadReader, ReadsBackWhatTheWriterWrites) {
  std::mt19937 rng(test::TestSeed());
  const std::vector<Row> rows = test::GeneratedRows(rng, 3000);
  const DictionaryInfo info{std::string(64, 'N'), "abc", "2024/02/29 23:59:59"};
  for (const char* maker : {"", "HI000"}) {
    WriteRequest request{*maker ? std::optional<std::string>(maker) : std::nullopt, info, &rows};
    const WriteResult written = Write(request);
    ASSERT_EQ(written.error, WriteError::kNone);
    const ReadResult read = Read(written.bytes);
    ASSERT_EQ(read.status, ReadStatus::kOk);
    EXPECT_EQ(read.rows, rows);
    EXPECT_EQ(read.info.name, info.name);
    EXPECT_EQ(read.info.author, "abc");  // stored rilo/abc
    EXPECT_EQ(read.info.date, info.date);
  }
}

// A download header up to (not including) the DICD chunk.
std::string HeaderLead(const std::string& code = "CASIO") {
  return code + "-DLDATA" + Be32(20) + "DLDH" + "\x00\x08"s + std::string(10, '\0') +
         std::string(16, '\0');
}

TEST(AadReader, FindsTheDataBlock) {
  const std::string block = test::ReadFixture("empty.aad");
  const std::string dicd = Be32(static_cast<std::uint32_t>(block.size() + 8)) + "DICD";
  const std::string titl = Be32(11) + "TITL" + "abc";
  const struct {
    const char* what;
    std::string file;
    ReadStatus status;
  } cases[] = {
      {"empty file", "", ReadStatus::kNotDictionary},
      {"text file", "ｱｲ,愛,1\r\n", ReadStatus::kNotDictionary},
      {"lead only", "ABCDE-DLDATA", ReadStatus::kNotDictionary},
      {"first chunk not DLDH", "CASIO-DLDATA" + titl + block, ReadStatus::kNotDictionary},
      {"DLDH below 8", "CASIO-DLDATA" + Be32(7) + "DLDH" + block, ReadStatus::kNotDictionary},
      {"DLDH, then the end", HeaderLead("ABCDE"), ReadStatus::kDamaged},
      {"chunk below 8", HeaderLead() + Be32(4) + "TITL" + dicd + block, ReadStatus::kDamaged},
      {"chunk past the end", HeaderLead() + Be32(4000) + "TITL" + dicd + block,
       ReadStatus::kDamaged},
      {"DICD without DATA", HeaderLead() + dicd + "ATAD" + block.substr(4), ReadStatus::kDamaged},
      {"DICD with 3 bytes", HeaderLead() + dicd + "DAT", ReadStatus::kDamaged},
      {"DATA block cut in its head", block.substr(0, 150), ReadStatus::kDamaged},
      {"unknown chunks skipped", HeaderLead() + titl + Be32(12) + "ABCD" + "wxyz" + dicd + block,
       ReadStatus::kOk},
      {"no gap needed before DICD", HeaderLead() + dicd + block, ReadStatus::kOk},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ReadResult result = Read(c.file);
    EXPECT_EQ(result.status, c.status);
    if (c.status == ReadStatus::kOk) {
      EXPECT_EQ(result.info.name, Sjis("辞書"));
    }
  }
}

TEST(AadReader, KeepsTheMakerCodeAsItStands) {
  const std::string block = test::ReadFixture("empty.aad");
  const std::string dicd = Be32(static_cast<std::uint32_t>(block.size() + 8)) + "DICD";
  EXPECT_EQ(Read(HeaderLead("casio") + dicd + block).makerCode, "casio");
  EXPECT_EQ(Read(HeaderLead("AB\0DE"s) + dicd + block).makerCode, "AB");
  // Also after a failure behind the lead.
  const ReadResult damaged = Read(HeaderLead("ABCDE"));
  EXPECT_EQ(damaged.status, ReadStatus::kDamaged);
  EXPECT_EQ(damaged.makerCode, "ABCDE");
}

TEST(AadReader, Records) {
  const struct {
    const char* what;
    std::string records;
    std::uint32_t count;
    std::vector<Row> rows;  // empty with kDamaged
  } cases[] = {
      {"kind byte 40 and no kind byte",
       "\x06\x02\xB1\xB2\x88\xA4\x28\x84\x01\xB3\x88\xA4",
       2,
       {{Sjis("ｱｲ"), Sjis("愛"), 40}, {Sjis("ｳ"), Sjis("愛"), 0}}},
      {"kind byte 255", "\x04\x01\xB1\x88\xFF", 1, {{Sjis("ｱ"), "\x88", 255}}},
      {"zero bytes end reading and phrase",
       "\x89\x03\xB1\x00\xB2\x88\xA4\x00\x88\xA4"s,
       1,
       {{Sjis("ｱ"), Sjis("愛"), 0}}},
      {"same reading before any full record", "\x84\x01\xFF\x88\xA4", 1, {{"\xFF", Sjis("愛"), 0}}},
      {"forms 0x20, 0x40 and 0x60 as plain text",
       "\x84\x21\xB1\x88\xA4\x84\x41\xB1\x88\xA4\x84\x61\xB1\x88\xA4",
       3,
       {{Sjis("ｱ"), Sjis("愛"), 0}, {Sjis("ｱ"), Sjis("愛"), 0}, {Sjis("ｱ"), Sjis("愛"), 0}}},
      {"empty reading and phrase", "\x81\x00"s, 1, {{"", "", 0}}},
      {"word count above the records", "\x84\x01\xB1\x88\xA4", 2, {}},
      {"word count of 2^31", "\x84\x01\xB1\x88\xA4", 0x80000000u, {}},
      {"word count of 2^32 - 1", "\x84\x01\xB1\x88\xA4", 0xFFFFFFFFu, {}},
      {"record past the area", "\x85\x01\xB1\x88\xA4", 1, {}},
      {"reading past the record", "\x82\x05\xB1\x88\xA4", 1, {}},
      {"record without its second byte", "\x80", 1, {}},
      {"kind byte missing", "\x02\x01\xB1", 1, {}},
      {"record head at the end", "\x84", 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ReadResult result = Read(BlockWith(c.records, c.count));
    EXPECT_EQ(result.status, c.rows.empty() ? ReadStatus::kDamaged : ReadStatus::kOk);
    EXPECT_EQ(result.rows, c.rows);
  }
}

TEST(AadReader, SameReadingRecordsExpandAgainstTheSharedReading) {
  // ｶﾀｶﾅｺﾞ カタカナ語 (prefix of 4), then the same reading with a hiragana suffix of 2.
  const std::string records =
      "\x0B\x06\xB6\xC0\xB6\xC5\xBA\xDE\x1B\x8C\xEA\x01"
      "\x06\x01\xFF\x8C\xEA\x11\x01"s;
  const ReadResult result = Read(BlockWith(records, 2));
  ASSERT_EQ(result.status, ReadStatus::kOk);
  ASSERT_EQ(result.rows.size(), 2u);
  EXPECT_EQ(result.rows[1], (Row{Sjis("ｶﾀｶﾅｺﾞ"), Sjis("語ご"), 1}));
}

TEST(AadReader, RecordAreaIsTakenFromItsOffset) {
  // Records placed further back than the index ends, with junk in between.
  std::string block = BlockWith("", 1);
  block.resize(650);
  block += "junk";
  SetLe32(block, 192, 654);
  SetLe32(block, 196, 5);
  block += "\x84\x01\xB1\x88\xA4" + std::string(12, '\0');
  const ReadResult result = Read(block);
  ASSERT_EQ(result.status, ReadStatus::kOk);
  EXPECT_EQ(result.rows, (std::vector<Row>{{Sjis("ｱ"), Sjis("愛"), 0}}));

  SetLe32(block, 192, 100000);  // beyond the file
  EXPECT_EQ(Read(block).status, ReadStatus::kDamaged);
}

}  // namespace
}  // namespace kz::aad
