#include "block_index.h"

#include <algorithm>

namespace kz::aad {

std::uint8_t IndexByte(SjisView reading) {
  return reading.empty() ? 0 : static_cast<std::uint8_t>(reading.front());
}

bool IndexBuilder::Add(std::uint8_t firstByte, std::size_t offset) {
  if (firstByte == kept_) return false;
  kept_ = firstByte;
  groups_.push_back({firstByte, offset});
  return true;
}

bool IndexBuilder::Fits() const {
  return groups_.size() <= kMaxGroups &&
         std::all_of(groups_.begin(), groups_.end(),
                     [](const Group& g) { return g.offset <= kMaxGroupOffset; });
}

std::string IndexBuilder::Bytes() const {
  std::string bytes(256, '\0');
  for (std::size_t k = 0; k < groups_.size(); ++k) {
    bytes[groups_[k].firstByte] = static_cast<char>(k + 1);
  }
  bytes += "\xFF\xFF";
  for (const Group& g : groups_) {
    bytes += static_cast<char>(g.offset & 0xFF);
    bytes += static_cast<char>(g.offset >> 8 & 0xFF);
  }
  return bytes;
}

}  // namespace kz::aad
