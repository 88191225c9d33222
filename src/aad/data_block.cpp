#include "data_block.h"

#include <array>

#include "crc32.h"

namespace kz::aad::block {

namespace {

std::array<unsigned char, 4> BigEndian(std::uint32_t v) {
  return {static_cast<unsigned char>(v >> 24), static_cast<unsigned char>(v >> 16),
          static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)};
}

}  // namespace

CheckValues ComputeCheckValues(std::string_view head) {
  CheckValues checks;
  // The name check keeps the running value: no final inversion.
  std::uint32_t name = Crc32Update(0xFFFFFFFF, head.data() + kNameAt, 64);
  checks.name = Crc32Update(name, kNameSalt.data(), kNameSalt.size());

  std::uint32_t content = Crc32Update(0xFFFFFFFF, head.data(), head.size());
  content = Crc32Update(content, kContentSalt.data(), kContentSalt.size());
  const auto contentBytes = BigEndian(content);
  checks.content = Crc32(contentBytes.data(), contentBytes.size());

  // The block check covers the block up to the end of the content check.
  const auto nameBytes = BigEndian(checks.name);
  const auto storedContent = BigEndian(checks.content);
  std::uint32_t whole = Crc32Update(0xFFFFFFFF, head.data(), head.size());
  whole = Crc32Update(whole, nameBytes.data(), nameBytes.size());
  whole = Crc32Update(whole, storedContent.data(), storedContent.size());
  checks.block = ~whole;
  return checks;
}

}  // namespace kz::aad::block
