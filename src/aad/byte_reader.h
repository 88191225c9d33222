// A bounded cursor over a byte range, for the .aad reader.
//
// Every read states how many bytes it needs and fails, taking nothing, when fewer are
// left; the position never moves past the end. The check `n <= remaining()` cannot
// overflow, whatever size a damaged file claims. The cursor does not own its bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kz::aad {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return bytes_.size() - pos_; }

  // Moves to `offset`; false (and no move) when it lies beyond the end.
  bool Seek(std::size_t offset) {
    if (offset > bytes_.size()) return false;
    pos_ = offset;
    return true;
  }

  bool Skip(std::size_t n) {
    if (n > remaining()) return false;
    pos_ += n;
    return true;
  }

  std::optional<std::string_view> Take(std::size_t n) {
    if (n > remaining()) return std::nullopt;
    const std::string_view part = bytes_.substr(pos_, n);
    pos_ += n;
    return part;
  }

  std::optional<std::uint8_t> Byte() {
    if (remaining() < 1) return std::nullopt;
    return static_cast<std::uint8_t>(bytes_[pos_++]);
  }

  std::optional<std::uint32_t> U32Le() { return U32(false); }
  std::optional<std::uint32_t> U32Be() { return U32(true); }

 private:
  std::optional<std::uint32_t> U32(bool bigEndian) {
    const auto part = Take(4);
    if (!part) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const auto b = static_cast<std::uint8_t>((*part)[bigEndian ? i : 3 - i]);
      value = value << 8 | b;
    }
    return value;
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace kz::aad
