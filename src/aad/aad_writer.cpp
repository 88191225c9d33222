#include "aad_file.h"
#include "block_index.h"
#include "data_block.h"
#include "dictionary/author.h"
#include "phrase_coding.h"

namespace kz::aad {

namespace {

constexpr std::size_t kMaxReading = 31;      // five bits of the record's second byte
constexpr std::size_t kMaxRecordBody = 127;  // seven bits of its first byte
constexpr unsigned char kNoKindBit = 0x80;
constexpr unsigned char kSameReading = 0xFF;
constexpr std::uint8_t kPlainForm = 0x00;  // the phrase as stored, markers aside

void PutLe32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i) & 0xFF);
}

void PutBe32(std::string& out, std::uint32_t v) {
  for (int i = 3; i >= 0; --i) out += static_cast<char>(v >> (8 * i) & 0xFF);
}

void SetBe32(std::string& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(v >> (8 * (3 - i)) & 0xFF);
}

void SetLe32(std::string& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
}

// A text cut after the field's last byte (even inside a double-byte character) or padded
// with zero bytes.
void PutField(std::string& out, SjisView text, std::size_t size) {
  const SjisView kept = text.substr(0, size);
  out += kept;
  out.append(size - kept.size(), '\0');
}

SjisView UpToZero(SjisView text) { return text.substr(0, text.find('\0')); }

// The reader cuts a reading at a zero byte and takes a lone 0xFF for a same-reading
// record, which gives it the previous reading (0xFF itself before any full record).
bool ReadingReadsBack(SjisView reading, std::size_t row, SjisView previous) {
  if (reading.find('\0') != SjisView::npos) return false;
  if (reading.size() == 1 && static_cast<unsigned char>(reading[0]) == kSameReading) {
    return row == 0 || previous == reading;
  }
  return true;
}

bool PhraseReadsBack(SjisView reading, const CodedPhrase& coded, SjisView phrase) {
  return DecodePhrase(reading, coded.form, UpToZero(coded.stored)) == phrase;
}

struct Records {
  WriteError error = WriteError::kNone;
  std::size_t row = 0;
  std::string bytes;
  IndexBuilder index;
};

Records BuildRecords(const std::vector<Row>& rows) {
  Records out;
  auto fail = [&out](WriteError error, std::size_t row) {
    out.error = error;
    out.row = row;
    out.bytes.clear();
    return std::move(out);
  };
  SjisView previous;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    const SjisView reading = row.reading;
    if (reading.size() > kMaxReading) return fail(WriteError::kReadingTooLong, i);
    if (!ReadingReadsBack(reading, i, previous)) return fail(WriteError::kReadingWouldChange, i);

    CodedPhrase coded = EncodePhrase(reading, row.phrase);
    // Against a reading outside the reading rules (a loaded file may hold any bytes) a
    // marker can stand for other bytes than it replaced: such a phrase is stored whole.
    if (!PhraseReadsBack(reading, coded, row.phrase)) coded = {kPlainForm, row.phrase};
    // The reader ends a stored phrase at its first zero byte and takes a 0x10..0x1F byte at
    // either end for a marker: refuse what would not come back as it is.
    if (!PhraseReadsBack(reading, coded, row.phrase)) {
      return fail(WriteError::kPhraseWouldChange, i);
    }

    const std::size_t offset = out.bytes.size();
    if (out.index.Add(IndexByte(reading), offset)) {
      if (offset > kMaxGroupOffset) return fail(WriteError::kGroupOffsetTooLarge, i);
      if (out.index.groups().size() > kMaxGroups) return fail(WriteError::kTooManyGroups, i);
    }

    const bool same = i > 0 && reading.size() > 1 && reading == previous;
    const auto kind = static_cast<unsigned char>(row.kind & 0xFF);
    const std::size_t body =
        (same ? 2 : 1 + reading.size()) + coded.stored.size() + (kind != 0 ? 1 : 0);
    if (body > kMaxRecordBody) return fail(WriteError::kRecordTooLong, i);

    out.bytes += static_cast<char>((kind == 0 ? kNoKindBit : 0) | body);
    if (same) {
      out.bytes += static_cast<char>(coded.form | 1);
      out.bytes += static_cast<char>(kSameReading);
    } else {
      out.bytes += static_cast<char>(coded.form | reading.size());
      out.bytes += reading;
    }
    out.bytes += coded.stored;
    if (kind != 0) out.bytes += static_cast<char>(kind);
    previous = reading;
  }
  return out;
}

void PutChunkHead(std::string& out, std::uint32_t size, std::string_view id) {
  PutBe32(out, size);
  out += id;
}

// Everything before the DATA block; the "DICD" chunk size is set once L is known.
void PutDownloadHeader(std::string& out, SjisView code, SjisView name) {
  using namespace std::string_view_literals;
  out += code;
  out += "-DLDATA";
  PutChunkHead(out, 20, "DLDH");
  out += "\x00\x08\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"sv;
  out.append(16, '\0');
  PutChunkHead(out, static_cast<std::uint32_t>(name.size() + 8), "TITL");
  out += name;
  PutChunkHead(out, 28, "DICH");
  out += code;
  out += "-FEP0011.00\x00\x00\x00\x00"sv;
  PutChunkHead(out, 0, "DICD");
}

}  // namespace

WriteResult Write(const WriteRequest& request) {
  static const std::vector<Row> kNoRows;
  const std::vector<Row>& rows = request.rows != nullptr ? *request.rows : kNoRows;

  Records records = BuildRecords(rows);
  if (records.error != WriteError::kNone) return {records.error, records.row, {}};

  const std::size_t groups = records.index.groups().size();
  const bool header = request.makerCode.has_value() && request.makerCode->size() == 5;

  std::string out;
  out.reserve((header ? 92 + request.info.name.size() : 0) + 662 + 2 * groups +
              records.bytes.size());
  if (header) PutDownloadHeader(out, *request.makerCode, request.info.name);

  const std::size_t start = out.size();
  out += block::kSignature;
  PutLe32(out, 0);  // the block length, set below
  PutLe32(out, 1);
  PutField(out, request.info.name, kNameField);
  PutLe32(out, 1);
  PutLe32(out, static_cast<std::uint32_t>(rows.size()));
  PutField(out, StoredAuthor(request.info.author), kAuthorField);
  PutField(out, request.info.date, kDateField);
  PutLe32(out, block::kReservedAt);
  PutLe32(out, block::kReservedSize);
  PutLe32(out, block::kIndexAt);
  PutLe32(out, block::IndexLength(groups));
  PutLe32(out, block::RecordAreaOffset(groups));
  PutLe32(out, static_cast<std::uint32_t>(records.bytes.size()));
  out.append(16 + block::kReservedSize, '\0');
  out += records.index.Bytes();
  out += records.bytes;

  const std::size_t length = out.size() - start + block::kCheckValuesSize;
  SetLe32(out, start + block::kLengthAt, static_cast<std::uint32_t>(length));
  const block::CheckValues checks = block::ComputeCheckValues(std::string_view(out).substr(start));
  PutBe32(out, checks.name);
  PutBe32(out, checks.content);
  PutBe32(out, checks.block);
  if (header) SetBe32(out, start - 8, static_cast<std::uint32_t>(length + 8));

  WriteResult result;
  result.bytes = std::move(out);
  return result;
}

}  // namespace kz::aad
