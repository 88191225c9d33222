// A hint for large buffers: ask for huge pages behind the whole 2 MiB pages of a buffer that
// nothing has touched yet, where the system gives them on request (Linux's transparent huge
// pages in "madvise" mode). Filling a million rows then takes a few dozen page faults instead
// of thousands. Only a hint: where it is refused, nothing else changes.
#pragma once

#include <cstddef>

namespace kz {

void AdviseHugePages(const void* data, std::size_t bytes);

}  // namespace kz
