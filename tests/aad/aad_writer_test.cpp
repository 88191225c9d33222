#include <gtest/gtest.h>

#include "aad/aad_file.h"
#include "aad_test_data.h"
#include "support/sjis.h"

namespace kz::aad {
namespace {

using test::Sjis;

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

std::string Hex(std::string_view bytes) {
  std::string out;
  char buf[4];
  for (unsigned char b : bytes) {
    std::snprintf(buf, sizeof buf, "%02X ", b);
    out += buf;
  }
  return out;
}

WriteResult WriteRows(const std::vector<Row>& rows, DictionaryInfo info = {},
                      std::optional<std::string> maker = std::nullopt) {
  WriteRequest request;
  request.makerCode = std::move(maker);
  request.info = std::move(info);
  request.rows = &rows;
  return Write(request);
}

const DictionaryInfo kWorkedInfo{Sjis("テスト"), "", "2005/01/01 00:00:00"};

// The record area of a block written without header.
std::string Records(const std::string& file) {
  return file.substr(Le32(file, 192), Le32(file, 196));
}

TEST(AadWriter, ReproducesTheGoldenFiles) {
  const std::vector<Row> worked = test::WorkedExampleRows();
  EXPECT_EQ(WriteRows(worked, kWorkedInfo).bytes, test::ReadFixture("worked-example.aad"));
  EXPECT_EQ(WriteRows(worked, kWorkedInfo, "CASIO").bytes,
            test::ReadFixture("worked-example-casio.aad"));
  const DictionaryInfo emptyInfo{Sjis("辞書"), Sjis("名無しさん"), "2005/01/01 00:00:00"};
  EXPECT_EQ(WriteRows({}, emptyInfo).bytes, test::ReadFixture("empty.aad"));
}

TEST(AadWriter, GroupsFollowListOrderAndTheLastGroupOfAByteWins) {
  const std::vector<Row> rows = {
      {Sjis("ｱ"), Sjis("亜"), 0}, {Sjis("ｶ"), Sjis("可"), 0}, {Sjis("ｱ"), Sjis("阿"), 0}};
  const std::string file = WriteRows(rows).bytes;
  EXPECT_EQ(Le32(file, 188), 258u + 6);  // three groups
  EXPECT_EQ(static_cast<unsigned char>(file[392 + 0xB1]), 3);
  EXPECT_EQ(static_cast<unsigned char>(file[392 + 0xB6]), 2);
  EXPECT_EQ(Hex(file.substr(648, 8)), "FF FF 00 00 05 00 0A 00 ");
}

TEST(AadWriter, RecordFraming) {
  const struct {
    std::vector<Row> rows;
    std::string records;
  } cases[] = {
      // A one-byte reading equal to the one before still gets a full record.
      {{{Sjis("ｱ"), Sjis("亜"), 0}, {Sjis("ｱ"), Sjis("阿"), 0}}, "84 01 B1 88 9F 84 01 B1 88 A2 "},
      // Kind 0: bit 7 set, no kind byte; kind 40: kind byte 28; kind 296: its low 8 bits.
      {{{Sjis("ｱｲ"), Sjis("愛"), 40}, {Sjis("ｱｲ"), Sjis("藍"), 296}},
       "06 02 B1 B2 88 A4 28 05 01 FF 97 95 28 "},
      // Kind 256 has no low bits left: no kind byte.
      {{{Sjis("ｱｲ"), Sjis("愛"), 256}}, "85 02 B1 B2 88 A4 "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Hex(Records(WriteRows(c.rows).bytes)), c.records);
  }
}

TEST(AadWriter, TextFieldsAreCutOrPaddedAndTheHeaderKeepsTheWholeName) {
  const std::string name64(64, 'n');
  const std::string longAuthor(64, 'a');
  const DictionaryInfo info{name64 + "tail", longAuthor, "2005/01/01 00:00:00 and then more"};
  const std::string file = WriteRows({}, info, "SEMCJ").bytes;
  const std::size_t titl = 48;
  EXPECT_EQ(Hex(file.substr(titl, 8)), "00 00 00 4C 54 49 54 4C ");  // 68 + 8
  EXPECT_EQ(file.substr(titl + 8, 68), name64 + "tail");
  const std::size_t block = file.find("DICD") + 4;
  EXPECT_EQ(file.substr(block + 12, 64), name64);
  EXPECT_EQ(file.substr(block + 84, 64), "rilo/" + longAuthor.substr(0, 59));
  EXPECT_EQ(file.substr(block + 148, 28),
            std::string("2005/01/01 00:00:00 and then").substr(0, 28));
}

TEST(AadWriter, MakerCodeOfAnotherLengthWritesNoHeader) {
  EXPECT_TRUE(WriteRows({}, {}, "CASI").bytes.starts_with("DATA"));
  EXPECT_TRUE(WriteRows({}, {}, "SANYO").bytes.starts_with("SANYO-DLDATA"));
}

// Rows under one first byte whose records fill the record area up to `end`, then one row of
// another first byte, which begins its group there.
std::vector<Row> RowsWithSecondGroupAt(std::size_t end) {
  std::vector<Row> rows;
  std::size_t size = 0;
  // Alternating readings ｱｱ / ｱｲ never share a record; each record is 2 + 2 + 2 bytes.
  while (end - size >= 6 + 6 || end - size == 6) {
    rows.push_back({rows.size() % 2 ? Sjis("ｱｲ") : Sjis("ｱｱ"), Sjis("漢"), 0});
    size += 6;
  }
  if (size < end) {
    // One longer record takes the rest (7 to 11 bytes): ASCII letters never code as kana.
    rows.push_back({Sjis("ｱｳ"), std::string(end - size - 4, 'x'), 0});
  }
  rows.push_back({Sjis("ｲ"), Sjis("胃"), 0});
  return rows;
}

TEST(AadWriter, RefusesWhatTheFramingCannotHold) {
  std::vector<Row> manyGroups;
  for (int i = 0; i < 256; ++i)
    manyGroups.push_back({i % 2 ? Sjis("ｲ") : Sjis("ｱ"), Sjis("字"), 0});
  std::vector<Row> maxGroups(manyGroups.begin(), manyGroups.end() - 1);

  const struct {
    const char* what;
    std::vector<Row> rows;
    WriteError error;
    std::size_t row;
  } cases[] = {
      {"reading of 31 bytes", {{std::string(31, '\xB1'), Sjis("字"), 0}}, WriteError::kNone, 0},
      {"reading of 32 bytes",
       {{Sjis("ｱ"), Sjis("字"), 0}, {std::string(32, '\xB1'), Sjis("字"), 0}},
       WriteError::kReadingTooLong,
       1},
      {"record of 127 bytes", {{Sjis("ｱ"), std::string(124, 'x'), 1}}, WriteError::kNone, 0},
      {"record of 128 bytes",
       {{Sjis("ｱ"), std::string(125, 'x'), 1}},
       WriteError::kRecordTooLong,
       0},
      {"group at 65,535", RowsWithSecondGroupAt(65535), WriteError::kNone, 0},
      {"group at 65,536", RowsWithSecondGroupAt(65536), WriteError::kGroupOffsetTooLarge,
       RowsWithSecondGroupAt(65536).size() - 1},
      {"255 groups", maxGroups, WriteError::kNone, 0},
      {"256 groups", manyGroups, WriteError::kTooManyGroups, 255},
      {"control byte at the end",
       {{Sjis("ｱ"), Sjis("字") + "\x15", 0}},
       WriteError::kPhraseWouldChange,
       0},
      {"control byte at the start",
       {{Sjis("ｱ"), "\x1F" + Sjis("字"), 0}},
       WriteError::kPhraseWouldChange,
       0},
      {"zero byte in the phrase",
       {{Sjis("ｱ"), Sjis("字") + '\0' + Sjis("字"), 0}},
       WriteError::kPhraseWouldChange,
       0},
      {"control byte inside",
       {{Sjis("ｱ"), Sjis("字") + "\x15" + Sjis("字"), 0}},
       WriteError::kNone,
       0},
      {"zero byte in the reading",
       {{Sjis("ｱ") + '\0', Sjis("字"), 0}},
       WriteError::kReadingWouldChange,
       0},
      {"reading 0xFF after another",
       {{Sjis("ｱ"), Sjis("字"), 0}, {"\xFF", Sjis("字"), 0}},
       WriteError::kReadingWouldChange,
       1},
      {"reading 0xFF first", {{"\xFF", Sjis("字"), 0}}, WriteError::kNone, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const WriteResult result = WriteRows(c.rows);
    EXPECT_EQ(result.error, c.error);
    if (c.error != WriteError::kNone) {
      EXPECT_EQ(result.row, c.row);
      EXPECT_TRUE(result.bytes.empty());
    } else {
      EXPECT_EQ(Read(result.bytes).rows, c.rows);
    }
  }
}

}  // namespace
}  // namespace kz::aad
