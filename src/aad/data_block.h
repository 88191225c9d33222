// The fixed layout of the DATA block and its three check values, shared by the writer,
// the reader and the verifier. Offsets count from the first byte of "DATA".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kz::aad::block {

inline constexpr std::string_view kSignature = "DATA";
inline constexpr std::size_t kLengthAt = 4;
inline constexpr std::size_t kNameAt = 12;
inline constexpr std::size_t kWordCountAt = 80;
inline constexpr std::size_t kAuthorAt = 84;
inline constexpr std::size_t kDateAt = 148;
inline constexpr std::size_t kAreasAt = 176;  // (offset, length) of reserved area, index, records
inline constexpr std::size_t kRecordOffsetAt = 192;
inline constexpr std::size_t kRecordLengthAt = 196;
inline constexpr std::size_t kHeadSize = 200;  // everything up to the zero bytes before 216
inline constexpr std::size_t kReservedAt = 216;
inline constexpr std::size_t kReservedSize = 176;
inline constexpr std::size_t kIndexAt = 392;
inline constexpr std::size_t kTableSize = 256;
inline constexpr std::size_t kCheckValuesSize = 12;

// Offset of the record area and length of the index for `groups` groups.
constexpr std::uint32_t IndexLength(std::size_t groups) {
  return static_cast<std::uint32_t>(258 + 2 * groups);
}
constexpr std::uint32_t RecordAreaOffset(std::size_t groups) {
  return static_cast<std::uint32_t>(650 + 2 * groups);
}

inline constexpr std::string_view kNameSalt = "MintLanternsMintLanterns-QzRtVx";
inline constexpr std::string_view kContentSalt = "MintLanternsMintLanterns-GpWoKe";

struct CheckValues {
  std::uint32_t name = 0;
  std::uint32_t content = 0;
  std::uint32_t block = 0;
};

// The check values of a block whose bytes from "DATA" to the end of the record area are
// `head` (its length field already holding the final length).
CheckValues ComputeCheckValues(std::string_view head);

}  // namespace kz::aad::block
