#include "block_parse.h"

#include <algorithm>

#include "byte_reader.h"
#include "data_block.h"
#include "phrase_coding.h"

namespace kz::aad {

namespace {

constexpr std::string_view kDownloadMark = "-DLDATA";
constexpr std::size_t kMakerSize = 5;
constexpr std::size_t kChunkHeadSize = 8;
constexpr std::size_t kGapAfterFirstChunk = 16;
constexpr unsigned char kNoKindBit = 0x80;
constexpr unsigned char kSameReading = 0xFF;

std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

struct ChunkHead {
  std::uint32_t size;
  std::string_view id;
};

std::optional<ChunkHead> TakeChunkHead(ByteReader& in) {
  if (in.remaining() < kChunkHeadSize) return std::nullopt;
  const std::uint32_t size = *in.U32Be();
  return ChunkHead{size, *in.Take(4)};
}

// Skips `n` bytes or, when fewer are left, moves to the end: the next read then fails.
void SkipOrEnd(ByteReader& in, std::size_t n) {
  if (!in.Skip(n)) in.Skip(in.remaining());
}

std::string_view Field(std::string_view block, std::size_t at, std::size_t size) {
  return UpToZero(block.substr(at, size));
}

std::uint32_t Le32At(std::string_view block, std::size_t at) {
  ByteReader in(block);
  in.Seek(at);
  return in.U32Le().value_or(0);
}

// The parts of one record, as views into the record area.
struct RecordView {
  bool sameReading = false;  // the reading is the previous full record's
  std::uint8_t form = 0;
  std::string_view reading;  // of a full record; it ends at a zero byte
  std::string_view stored;   // the stored phrase; it ends at a zero byte
  std::int32_t kind = 0;
};

// One record's framing, or nullopt when it runs out of the bytes it claims.
std::optional<RecordView> TakeRecord(ByteReader& in) {
  const auto first = in.Byte();
  if (!first) return std::nullopt;
  const auto body = in.Take(*first & 0x7Fu);
  if (!body || body->empty()) return std::nullopt;
  const bool hasKind = (*first & kNoKindBit) == 0;

  const auto second = static_cast<unsigned char>((*body)[0]);
  const std::size_t r = second & 0x1F;
  if (1 + r > body->size()) return std::nullopt;

  RecordView record;
  record.form = second & 0xE0;
  record.sameReading = r == 1 && static_cast<unsigned char>((*body)[1]) == kSameReading;
  if (!record.sameReading) record.reading = body->substr(1, r);
  std::string_view rest = body->substr(1 + r);
  if (hasKind) {
    if (rest.empty()) return std::nullopt;
    record.kind = static_cast<unsigned char>(rest.back());
    rest.remove_suffix(1);
  }
  record.stored = rest;
  return record;
}

// True when `count` records follow one another in `in`, each within its bytes. Takes no
// memory, so a word count or a record area that lies costs nothing but the walk, which
// ends after at most one step per two bytes.
bool AllRecordsFramed(ByteReader in, std::uint32_t count) {
  for (std::uint32_t i = 0; i < count; ++i) {
    if (!TakeRecord(in)) return false;
  }
  return true;
}

}  // namespace

LocatedBlock LocateDataBlock(std::string_view file) {
  LocatedBlock located;
  if (file.starts_with(block::kSignature)) {
    located.block = file;
    return located;
  }
  if (file.size() < kMakerSize + kDownloadMark.size() ||
      file.substr(kMakerSize, kDownloadMark.size()) != kDownloadMark) {
    located.status = ReadStatus::kNotDictionary;
    return located;
  }
  located.hasHeader = true;
  located.makerCode = std::string(UpToZero(file.substr(0, kMakerSize)));

  ByteReader in(file);
  in.Seek(kMakerSize + kDownloadMark.size());
  const auto first = TakeChunkHead(in);
  if (!first || first->id != "DLDH" || first->size < kChunkHeadSize) {
    located.status = ReadStatus::kNotDictionary;
    return located;
  }
  SkipOrEnd(in, first->size - kChunkHeadSize);
  SkipOrEnd(in, kGapAfterFirstChunk);

  for (;;) {
    const auto chunk = TakeChunkHead(in);
    if (!chunk || chunk->size < kChunkHeadSize) {
      located.status = ReadStatus::kDamaged;
      return located;
    }
    if (chunk->id == "DICD") break;
    SkipOrEnd(in, chunk->size - kChunkHeadSize);
  }
  located.block = file.substr(in.position());
  if (!located.block.starts_with(block::kSignature)) located.status = ReadStatus::kDamaged;
  return located;
}

ParsedBlock ParseBlock(std::string_view data) {
  ParsedBlock parsed;
  if (data.size() < block::kHeadSize) {
    parsed.status = ReadStatus::kDamaged;
    return parsed;
  }
  parsed.info.name = SjisString(Field(data, block::kNameAt, kNameField));
  SjisView author = Field(data, block::kAuthorAt, kAuthorField);
  if (author.starts_with("rilo/")) author.remove_prefix(5);
  parsed.info.author = SjisString(author);
  parsed.info.date = SjisString(Field(data, block::kDateAt, kDateField));

  const std::uint32_t count = Le32At(data, block::kWordCountAt);
  const std::size_t begin = Le32At(data, block::kRecordOffsetAt);
  const std::size_t length = Le32At(data, block::kRecordLengthAt);
  parsed.recordsBegin = parsed.recordsEnd = begin;
  if (count == 0) return parsed;

  // The record area as its (offset, length) pair gives it, cut at the end of the file.
  if (begin > data.size()) {
    parsed.status = ReadStatus::kDamaged;
    return parsed;
  }
  ByteReader in(data.substr(begin, std::min(length, data.size() - begin)));

  // Rows are kept only once every record is known to be there: a damaged record area
  // allocates nothing, and a whole one exactly what its records need.
  if (!AllRecordsFramed(in, count)) {
    parsed.status = ReadStatus::kDamaged;
    return parsed;
  }
  parsed.rows.reserve(count);
  parsed.recordOffsets.reserve(count);
  SjisString previous(1, static_cast<char>(kSameReading));
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t offset = in.position();
    const RecordView record = *TakeRecord(in);
    Row row;
    if (record.sameReading) {
      row.reading = previous;
    } else {
      row.reading = SjisString(UpToZero(record.reading));
      previous = row.reading;
    }
    row.kind = record.kind;
    row.phrase = DecodePhrase(row.reading, record.form, UpToZero(record.stored));
    parsed.rows.push_back(std::move(row));
    parsed.recordOffsets.push_back(offset);
  }
  parsed.recordsEnd = begin + in.position();
  return parsed;
}

ReadResult ToReadResult(LocatedBlock located, ParsedBlock parsed) {
  ReadResult result;
  result.hasHeader = located.hasHeader;
  result.makerCode = std::move(located.makerCode);
  result.status = located.status == ReadStatus::kOk ? parsed.status : located.status;
  if (result.status != ReadStatus::kOk) return result;
  result.info = std::move(parsed.info);
  result.rows = std::move(parsed.rows);
  return result;
}

}  // namespace kz::aad
