// CRC-32 of ISO 3309 / IEEE 802.3 (reflected polynomial 0xEDB88320).
#pragma once

#include <cstddef>
#include <cstdint>

namespace kz::aad {

// Continues a running value over `n` bytes, without the final inversion.
std::uint32_t Crc32Update(std::uint32_t value, const void* data, std::size_t n);
// The CRC-32 of `n` bytes: Crc32Update from 0xFFFFFFFF, inverted.
std::uint32_t Crc32(const void* data, std::size_t n);

}  // namespace kz::aad
