// Fuzzes DecodePhrase with any reading, form and stored phrase.
// Input: one byte reading length, the reading, one byte form, the stored phrase.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "aad/phrase_coding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string_view in(reinterpret_cast<const char*>(data), size);
  const std::size_t n = std::min<std::size_t>(data[0] & 0x1F, size - 2);
  const std::string_view reading = in.substr(1, n);
  const auto form = static_cast<std::uint8_t>(data[1 + n] & 0xE0);
  const std::string_view stored = in.substr(2 + n);
  (void)kz::aad::DecodePhrase(reading, form, stored);
  return 0;
}
