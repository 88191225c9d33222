#include "aad_file.h"
#include "block_parse.h"

namespace kz::aad {

ReadResult Read(std::string_view file) {
  LocatedBlock located = LocateDataBlock(file);
  ParsedBlock parsed;
  if (located.status == ReadStatus::kOk) parsed = ParseBlock(located.block);
  return ToReadResult(std::move(located), std::move(parsed));
}

}  // namespace kz::aad
