#include "crc32.h"

#include <array>

namespace kz::aad {

namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320;

// Entry i is i put through eight shift-and-XOR steps of the reflected polynomial. Built on
// the first call and kept for the run (a function-local static is thread-safe to build).
const std::array<std::uint32_t, 256>& Table() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t value = i;
      for (int step = 0; step < 8; ++step) {
        value = (value & 1) != 0 ? (value >> 1) ^ kPolynomial : value >> 1;
      }
      t[i] = value;
    }
    return t;
  }();
  return table;
}

}  // namespace

std::uint32_t Crc32Update(std::uint32_t value, const void* data, std::size_t n) {
  const auto& table = Table();
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < n; ++i) {
    value = table[(value ^ bytes[i]) & 0xFF] ^ (value >> 8);
  }
  return value;
}

std::uint32_t Crc32(const void* data, std::size_t n) { return ~Crc32Update(0xFFFFFFFF, data, n); }

}  // namespace kz::aad
