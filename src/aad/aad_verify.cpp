#include <array>
#include <utility>

#include "aad_file.h"
#include "block_index.h"
#include "block_parse.h"
#include "byte_reader.h"
#include "data_block.h"

namespace kz::aad {

namespace {

std::optional<std::uint32_t> Le32At(std::string_view data, std::size_t at) {
  ByteReader in(data);
  if (!in.Seek(at)) return std::nullopt;
  return in.U32Le();
}

std::optional<std::uint32_t> Be32At(std::string_view data, std::size_t at) {
  ByteReader in(data);
  if (!in.Seek(at)) return std::nullopt;
  return in.U32Be();
}

// Compares what the records give with what the block holds.
void Compare(std::string_view data, const ParsedBlock& parsed, VerifyReport& report) {
  IndexBuilder index;
  for (std::size_t i = 0; i < parsed.rows.size(); ++i) {
    index.Add(IndexByte(parsed.rows[i].reading), parsed.recordOffsets[i]);
  }
  const std::size_t groups = index.groups().size();
  const std::size_t checksAt = parsed.recordsEnd;

  report.lengthOk = Le32At(data, block::kLengthAt) == data.size() &&
                    data.size() == checksAt + block::kCheckValuesSize;

  if (index.Fits()) {
    const std::string expected = index.Bytes();
    // A record area that begins inside the index (a damaged offset) leaves a block too short
    // to hold it: that is a mismatch, not a read past the end.
    report.indexOk =
        data.size() >= block::kIndexAt && data.substr(block::kIndexAt, expected.size()) == expected;
  }

  const std::array<std::size_t, 6> areas = {block::kReservedAt,
                                            block::kReservedSize,
                                            block::kIndexAt,
                                            block::IndexLength(groups),
                                            block::RecordAreaOffset(groups),
                                            parsed.recordsEnd - parsed.recordsBegin};
  report.recordAreaOk = true;
  for (std::size_t i = 0; i < areas.size(); ++i) {
    if (Le32At(data, block::kAreasAt + 4 * i) != areas[i]) report.recordAreaOk = false;
  }

  // The check values follow the last record; a record area that begins inside the head
  // leaves no name field to check.
  if (checksAt >= block::kHeadSize && checksAt + block::kCheckValuesSize <= data.size()) {
    const block::CheckValues checks = block::ComputeCheckValues(data.substr(0, checksAt));
    report.nameCheckOk = Be32At(data, checksAt) == checks.name;
    report.contentCheckOk = Be32At(data, checksAt + 4) == checks.content;
    report.blockCheckOk = Be32At(data, checksAt + 8) == checks.block;
  }

  const std::pair<bool, const char*> order[] = {
      {report.lengthOk, "block length"},        {report.indexOk, "index"},
      {report.recordAreaOk, "record area"},     {report.nameCheckOk, "name check"},
      {report.contentCheckOk, "content check"}, {report.blockCheckOk, "block check"},
  };
  for (const auto& [ok, name] : order) {
    if (!ok) {
      report.firstMismatch = name;
      break;
    }
  }
}

}  // namespace

VerifyReport Verify(std::string_view file) {
  VerifyReport report;
  LocatedBlock located = LocateDataBlock(file);
  ParsedBlock parsed;
  if (located.status == ReadStatus::kOk) {
    parsed = ParseBlock(located.block);
    if (parsed.status == ReadStatus::kOk) Compare(located.block, parsed, report);
  }
  report.read = ToReadResult(std::move(located), std::move(parsed));
  if (report.read.status != ReadStatus::kOk) report.firstMismatch = "read";
  return report;
}

}  // namespace kz::aad
