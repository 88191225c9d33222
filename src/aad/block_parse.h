// Finding the DATA block of an .aad file and reading its records, for Read and Verify.
//
// Everything goes through the bounded cursor: a chunk, field or record that would run past
// the end of the file (records: of the record area, cut at the end of the file) makes the
// file damaged instead of being read out of bounds.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aad_file.h"

namespace kz::aad {

struct LocatedBlock {
  ReadStatus status = ReadStatus::kOk;
  bool hasHeader = false;
  std::optional<std::string> makerCode;
  std::string_view block;  // from "DATA" to the end of the file, when status == kOk
};

LocatedBlock LocateDataBlock(std::string_view file);

struct ParsedBlock {
  ReadStatus status = ReadStatus::kOk;
  DictionaryInfo info;
  std::vector<Row> rows;
  std::vector<std::size_t> recordOffsets;  // each record's offset in the record area
  std::size_t recordsBegin = 0;            // block offsets of the first record and of the
  std::size_t recordsEnd = 0;              // byte after the last one
};

ParsedBlock ParseBlock(std::string_view block);

// The reader's result from the two steps; `parsed` is used only when the block was found.
ReadResult ToReadResult(LocatedBlock located, ParsedBlock parsed);

}  // namespace kz::aad
