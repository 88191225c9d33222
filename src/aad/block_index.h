// The index of a DATA block: groups of records by the first byte of their reading.
//
// Records are fed in record order; a record whose reading begins with another byte than
// the record before it (the first: than 0) begins a group. The builder records every
// group, also beyond what the 16-bit offsets and 8-bit group numbers can hold, so that the
// writer can refuse and the verifier can compare; Bytes() needs Fits().
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/sjis_string.h"

namespace kz::aad {

inline constexpr std::size_t kMaxGroups = 255;
inline constexpr std::size_t kMaxGroupOffset = 0xFFFF;

// The byte a reading is indexed by: its first, or 0 for an empty reading.
std::uint8_t IndexByte(SjisView reading);

class IndexBuilder {
 public:
  struct Group {
    std::uint8_t firstByte;
    std::size_t offset;  // in the record area
  };

  // Takes the record beginning at `offset`; true when it begins a group.
  bool Add(std::uint8_t firstByte, std::size_t offset);

  const std::vector<Group>& groups() const { return groups_; }
  bool Fits() const;

  // The first-byte table (a later group of the same byte wins), 0xFFFF and the offsets.
  std::string Bytes() const;

 private:
  std::uint8_t kept_ = 0;
  std::vector<Group> groups_;
};

}  // namespace kz::aad
