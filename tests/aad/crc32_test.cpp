#include "aad/crc32.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>

namespace kz::aad {
namespace {

std::uint32_t ZlibCrc(const std::string& bytes) {
  return static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

TEST(Crc32, MatchesZlib) {
  std::string allBytes;
  for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
  std::mt19937 rng(7);
  std::string noise(5000, '\0');
  for (char& c : noise) c = static_cast<char>(rng());

  for (const std::string& bytes :
       {std::string(), std::string("123456789"), std::string(1, '\0'), allBytes, noise}) {
    EXPECT_EQ(Crc32(bytes.data(), bytes.size()), ZlibCrc(bytes)) << bytes.size() << " bytes";
  }
  EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u);
}

TEST(Crc32, UpdateContinuesWithoutInversion) {
  const std::string a = "MintLanterns", b = "-QzRtVx and more";
  const std::uint32_t running =
      Crc32Update(Crc32Update(0xFFFFFFFF, a.data(), a.size()), b.data(), b.size());
  EXPECT_EQ(~running, ZlibCrc(a + b));
  EXPECT_EQ(Crc32Update(0x12345678, nullptr, 0), 0x12345678u);
}

}  // namespace
}  // namespace kz::aad
