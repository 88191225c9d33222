#include "heap_meter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> g_alive{0};
std::atomic<std::size_t> g_peak{0};

// Each block carries its size in front, kept at the strictest fundamental alignment.
constexpr std::size_t kHead = alignof(std::max_align_t);

void* Allocate(std::size_t n) {
  void* block = std::malloc(n + kHead);
  if (block == nullptr) return nullptr;
  *static_cast<std::size_t*>(block) = n;
  const std::size_t alive = g_alive.fetch_add(n) + n;
  std::size_t peak = g_peak.load();
  while (alive > peak && !g_peak.compare_exchange_weak(peak, alive)) {
  }
  return static_cast<char*>(block) + kHead;
}

void Release(void* p) {
  if (p == nullptr) return;
  void* block = static_cast<char*>(p) - kHead;
  g_alive.fetch_sub(*static_cast<std::size_t*>(block));
  std::free(block);
}

}  // namespace

void* operator new(std::size_t n) {
  if (void* p = Allocate(n)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }

namespace kz::test {

HeapMeter::HeapMeter() : base_(g_alive.load()) { g_peak.store(base_); }

std::size_t HeapMeter::PeakBytes() const {
  const std::size_t peak = g_peak.load();
  return peak > base_ ? peak - base_ : 0;
}

}  // namespace kz::test
