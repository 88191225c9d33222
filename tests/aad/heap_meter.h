// Test helper: how much heap a piece of code takes at its peak.
//
// Linking heap_meter.cpp into a test program replaces the global operator new and delete
// with versions that count the bytes alive. A HeapMeter reports the highest count reached
// since it was made, above what was alive then, so a test can bound what one call allocates,
// including reservations that are never touched. One meter at a time; not thread-aware
// beyond the counters being atomic.
#pragma once

#include <cstddef>

namespace kz::test {

class HeapMeter {
 public:
  HeapMeter();
  // Peak bytes alive since construction, above the bytes alive at construction.
  std::size_t PeakBytes() const;

 private:
  std::size_t base_;
};

inline constexpr std::size_t kMiB = std::size_t{1} << 20;

}  // namespace kz::test
