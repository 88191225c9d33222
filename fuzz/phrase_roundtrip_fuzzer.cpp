// Property: for any reading that obeys the reading rules and any phrase without control
// bytes, decoding the encoding gives the phrase back, and the encoding is never longer.
// Input: one byte reading length (1 to 16), that many bytes mapped onto the reading
// alphabet, then the phrase bytes with control bytes dropped.
#include <cstddef>
#include <cstdint>
#include <string>

#include "aad/phrase_coding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t n = std::min<std::size_t>(1 + data[0] % 16, size - 1);
  std::string reading;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t b = data[1 + i];
    // First byte ｱ..ﾜ (0xB1..0xDC), the others ｦ..ﾟ (0xA6..0xDF).
    reading += static_cast<char>(i == 0 ? 0xB1 + b % (0xDC - 0xB1 + 1) : 0xA6 + b % (0xDF - 0xA6 + 1));
  }
  std::string phrase;
  for (std::size_t i = 1 + n; i < size && phrase.size() < 50; ++i) {
    if (data[i] >= 0x20) phrase += static_cast<char>(data[i]);
  }
  const kz::aad::CodedPhrase coded = kz::aad::EncodePhrase(reading, phrase);
  if (coded.stored.size() > phrase.size()) __builtin_trap();
  if (kz::aad::DecodePhrase(reading, coded.form, coded.stored) != phrase) __builtin_trap();
  return 0;
}
