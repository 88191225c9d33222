// Hostile .aad files: huge noise, counts and sizes that lie, sums that overflow 32 bits, and
// bytes that are not code page 932. Each is read or refused, and what the reader allocates
// stays small whatever the file claims (heap_meter.cpp counts every allocation).
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "aad/aad_file.h"
#include "aad_test_data.h"
#include "heap_meter.h"
#include "support/sjis.h"

namespace kz::aad {
namespace {

using test::HeapMeter;
using test::kMiB;
using test::Sjis;
using namespace std::string_literals;

constexpr std::size_t kHugeSize = 100 * kMiB;

std::string Be32(std::uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}

void SetLe32(std::string& bytes, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
}

std::string Noise(std::size_t size, std::uint32_t seed) {
  std::mt19937_64 rng(seed);
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; i += 8) {
    const std::uint64_t v = rng();
    std::memcpy(bytes.data() + i, &v, std::min<std::size_t>(8, size - i));
  }
  return bytes;
}

// The head of a DATA block without records (offset 650), claiming `count` words and a
// record area of `length` bytes.
std::string DataHead(std::uint32_t count, std::uint32_t length) {
  std::string head = test::ReadFixture("empty.aad").substr(0, 650);
  SetLe32(head, 80, count);
  SetLe32(head, 196, length);
  return head;
}

// A download header up to the first chunk after DLDH and its gap.
std::string HeaderLead() {
  return "CASIO-DLDATA" + Be32(20) + "DLDH" + "\x00\x08"s + std::string(26, '\0');
}

std::string Dicd(const std::string& block) {
  return Be32(static_cast<std::uint32_t>(block.size() + 8)) + "DICD" + block;
}

struct Hostile {
  const char* what;
  std::function<std::string()> file;  // built when the case runs: some are 100 MiB
  ReadStatus status;
  std::size_t rows = 0;  // with kOk
};

TEST(AadHostile, HugeOrLyingFilesAreDecidedWithoutAllocatingForWhatTheyClaim) {
  const std::uint32_t seed = test::TestSeed();
  const std::string worked = test::ReadFixture("worked-example.aad");
  auto withCount = [](std::string file, std::size_t block, std::uint32_t count) {
    SetLe32(file, block + 80, count);
    return file;
  };
  const Hostile cases[] = {
      {"100 MiB of noise", [&] { return Noise(kHugeSize, seed); }, ReadStatus::kNotDictionary},
      {"100 MiB of zero bytes", [] { return std::string(kHugeSize, '\0'); },
       ReadStatus::kNotDictionary},
      {"download lead, then 100 MiB of noise as chunks",
       [&] { return HeaderLead() + Noise(kHugeSize, seed); }, ReadStatus::kDamaged},
      {"DATA head with no words, then 100 MiB of noise",
       [&] { return DataHead(0, kHugeSize) + Noise(kHugeSize, seed); }, ReadStatus::kOk, 0},
      {"DATA head with 2^32 - 1 words, then 100 MiB of noise",
       [&] { return DataHead(0xFFFFFFFF, kHugeSize) + Noise(kHugeSize, seed); },
       ReadStatus::kDamaged},
      {"DATA head with 2^32 - 1 words and record area, then 100 MiB of noise",
       [&] { return DataHead(0xFFFFFFFF, 0xFFFFFFFF) + Noise(kHugeSize, seed); },
       ReadStatus::kDamaged},
      {"35 million whole records and a word count of 2^32 - 1",
       [] {
         std::string file = DataHead(0xFFFFFFFF, kHugeSize);
         file.reserve(file.size() + kHugeSize);
         while (file.size() + 3 <= 650 + kHugeSize) file += "\x82\xE1\xB1";  // ｱ あ
         return file;
       },
       ReadStatus::kDamaged},
      {"five records and a word count of 2^32 - 1",
       [&] { return withCount(worked, 0, 0xFFFFFFFF); }, ReadStatus::kDamaged},
      {"five records behind a header and a word count of 2^32 - 1",
       [&] {
         const std::string casio = test::ReadFixture("worked-example-casio.aad");
         return withCount(casio, casio.find("DICD") + 4, 0xFFFFFFFF);
       },
       ReadStatus::kDamaged},
  };
  for (const Hostile& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string file = c.file();
    const HeapMeter meter;
    const ReadResult result = Read(file);
    const VerifyReport report = Verify(file);
    EXPECT_LT(meter.PeakBytes(), kMiB);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(report.read.status, c.status);
    EXPECT_EQ(result.rows.size(), c.rows);
  }
}

TEST(AadHostile, ChunkAndAreaSizesThatOverflow32BitSums) {
  const std::string block = test::ReadFixture("worked-example.aad");
  // A whole DATA block of another dictionary inside a TITL chunk, behind a DICD head of its
  // own, 56 bytes into the file. A reader that adds chunk sizes in 32 bits is sent back there
  // by the chunk after TITL and reads that block.
  std::string decoy = test::ReadFixture("empty.aad");
  const std::string titl =
      Be32(static_cast<std::uint32_t>(8 + 8 + decoy.size())) + "TITL" + Dicd(decoy);
  const std::size_t after = HeaderLead().size() + titl.size();
  const std::uint32_t wrapToDecoy = static_cast<std::uint32_t>(0x100000000ull - (after - 56));

  std::string areaPastEnd = block, areaWraps = block, areaAtEnd = block;
  SetLe32(areaPastEnd, 192, 0xFFFFFFF0);
  SetLe32(areaWraps, 196, 0xFFFFFFFF);  // 650 + length wraps in 32 bits; cut at the file end
  SetLe32(areaAtEnd, 192, static_cast<std::uint32_t>(block.size()));

  const Hostile cases[] = {
      {"chunk of 0xFFFFFFF8 bytes before DICD",
       [&] { return HeaderLead() + Be32(0xFFFFFFF8) + "TITL" + Dicd(block); },
       ReadStatus::kDamaged},
      {"chunk of 0xFFFFFFFF bytes before DICD",
       [&] { return HeaderLead() + Be32(0xFFFFFFFF) + "ABCD" + Dicd(block); },
       ReadStatus::kDamaged},
      {"chunk whose 32-bit sum points back at a decoy DICD",
       [&] { return HeaderLead() + titl + Be32(wrapToDecoy) + "ABCD" + Dicd(block); },
       ReadStatus::kDamaged},
      {"DLDH of 0xFFFFFFFF bytes",
       [&] { return "CASIO-DLDATA" + Be32(0xFFFFFFFF) + "DLDH" + Dicd(block); },
       ReadStatus::kDamaged},
      {"DICD of 0xFFFFFFFF bytes (its size is not needed)",
       [&] { return HeaderLead() + Be32(0xFFFFFFFF) + "DICD" + block; }, ReadStatus::kOk, 5},
      {"record area at 0xFFFFFFF0", [&] { return areaPastEnd; }, ReadStatus::kDamaged},
      {"record area of 0xFFFFFFFF bytes", [&] { return areaWraps; }, ReadStatus::kOk, 5},
      {"record area at the end of the file", [&] { return areaAtEnd; }, ReadStatus::kDamaged},
  };
  for (const Hostile& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string file = c.file();
    const HeapMeter meter;
    const ReadResult result = Read(file);
    const VerifyReport report = Verify(file);
    EXPECT_LT(meter.PeakBytes(), kMiB);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(report.read.status, c.status);
    EXPECT_EQ(result.rows.size(), c.rows);
    if (c.status == ReadStatus::kOk) {
      EXPECT_EQ(result.info.name, Sjis("テスト"));
    }
  }
}

bool IsControl(char c) { return c >= 0x10 && c <= 0x1F; }

// Bytes that are not code page 932 (lone lead bytes, a lead byte before a byte that cannot
// trail, 0x80, 0xA0, 0xFD to 0xFF) in every text of a dictionary come back byte for byte.
TEST(AadHostile, BytesThatAreNotCodePage932SurviveASave) {
  const std::vector<Row> rows = {
      {Sjis("ｱ"), "\x80", 1},
      {Sjis("ｱｲ"), Sjis("愛") + "\x81", 2},
      {Sjis("ｱｲ"), "\x81" + Sjis("あい"), 3},
      {Sjis("ｲ"), "\xA0\xFD\xFE\xFF", 0},
      {Sjis("ｳ"), "\x81\x20\x9F\x7F" + Sjis("う"), 40},
      {"\x80\xFD", Sjis("字"), 0},
      {"\xB1\x81", "\xFF", 0},
  };
  const DictionaryInfo info{"\x80\xA0\xFD\xFE\xFF\x81", "\x81\x20\xFC", "\xE0"};
  for (const char* maker : {"", "SEMCJ"}) {
    SCOPED_TRACE(maker);
    const WriteRequest request{*maker ? std::optional<std::string>(maker) : std::nullopt, info,
                               &rows};
    const WriteResult first = Write(request);
    ASSERT_EQ(first.error, WriteError::kNone);
    const ReadResult read = Read(first.bytes);
    ASSERT_EQ(read.status, ReadStatus::kOk);
    EXPECT_EQ(read.rows, rows);
    EXPECT_EQ(read.info.name, info.name);
    EXPECT_EQ(read.info.author, info.author);
    EXPECT_EQ(read.info.date, info.date);
    const WriteResult again = Write({read.makerCode, read.info, &read.rows});
    EXPECT_EQ(again.bytes, first.bytes);
  }
}

// Any phrase of any bytes but zero: the writer refuses it only when a control byte at one of
// its ends would be taken for a marker, and what it writes reads back unchanged. With a
// reading that obeys the reading rules such a phrase is always refused.
TEST(AadHostile, EveryPhraseIsSavedExactlyOrRefusedForAControlByteAtAnEnd) {
  std::mt19937 rng(test::TestSeed());
  std::uniform_int_distribution<int> anyByte(1, 255), length(1, 50);
  for (int i = 0; i < 20000; ++i) {
    const bool ruleReading = i % 2 == 0;
    std::string reading;
    if (ruleReading) {
      reading = test::RandomReading(rng);
    } else {
      for (int n = 1 + static_cast<int>(rng() % 16); n > 0; --n) {
        reading += static_cast<char>(anyByte(rng));
      }
    }
    std::string phrase;
    if (rng() % 4 == 0) phrase = test::RandomPhrase(rng, reading);
    for (int n = phrase.empty() ? length(rng) : static_cast<int>(rng() % 3); n > 0; --n) {
      const char b = static_cast<char>(anyByte(rng));
      phrase.insert(rng() % (phrase.size() + 1), 1, b);
    }
    if (phrase.size() > 50) phrase.resize(50);
    const std::vector<Row> rows = {{reading, phrase, 0}};
    const WriteResult written = Write({std::nullopt, {}, &rows});
    const bool controlAtEnd = IsControl(phrase.front()) || IsControl(phrase.back());
    if (written.error == WriteError::kNone) {
      const ReadResult read = Read(written.bytes);
      ASSERT_EQ(read.rows, rows);
      if (ruleReading) {
        ASSERT_FALSE(controlAtEnd) << ::testing::PrintToString(rows[0]);
      }
    } else {
      ASSERT_EQ(written.error, WriteError::kPhraseWouldChange) << ::testing::PrintToString(rows[0]);
      ASSERT_TRUE(controlAtEnd) << ::testing::PrintToString(rows[0]);
    }
  }
}

}  // namespace
}  // namespace kz::aad
