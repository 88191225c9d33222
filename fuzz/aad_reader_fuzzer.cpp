// Fuzzes the .aad reader. The first input byte chooses the mode: odd values feed the rest of
// the input as a whole file; even values put it behind a valid DATA block head (signature,
// offsets, a word count from the input), so that random bytes reach the record decoding
// instead of being refused at the signature.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "aad/aad_file.h"

namespace {

std::string BehindValidHead(const std::uint8_t* data, std::size_t size) {
  std::string file(650, '\0');
  std::memcpy(file.data(), "DATA", 4);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<char>(v >> (8 * i));
  };
  std::uint32_t count = 0;
  for (std::size_t i = 0; i < 4 && i < size; ++i) count |= std::uint32_t{data[i]} << (8 * i);
  const std::size_t skip = size < 4 ? size : 4;
  put32(8, 1);
  put32(76, 1);
  put32(80, count);
  put32(176, 216);
  put32(180, 176);
  put32(184, 392);
  put32(188, 258);
  put32(192, 650);
  put32(196, static_cast<std::uint32_t>(size - skip));
  file[648] = file[649] = '\xFF';
  file.append(reinterpret_cast<const char*>(data) + skip, size - skip);
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool whole = (data[0] & 1) != 0;
  const std::string file = whole ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1)
                                 : BehindValidHead(data + 1, size - 1);
  const kz::aad::ReadResult result = kz::aad::Read(file);
  if (result.status == kz::aad::ReadStatus::kOk) {
    // Every row read must fit in the input it came from.
    for (const kz::Row& row : result.rows) {
      if (row.reading.size() > file.size() || row.phrase.size() > 2 * file.size() + 64) {
        __builtin_trap();
      }
    }
  }
  (void)kz::aad::Verify(file);
  return 0;
}
