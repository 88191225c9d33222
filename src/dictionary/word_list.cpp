#include "word_list.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iterator>
#include <unordered_set>
#include <utility>

#include "huge_pages.h"
#include "vowel.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kz {

// On the virtual machine we measure on, a 4 KiB page fault costs up to 20 µs: filling a
// million rows took 18,000 of them, a third of a second, before this hint.
void AdviseHugePages([[maybe_unused]] const void* data, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  const auto address = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t begin = (address + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t end = (address + bytes) & ~(kHugePage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

namespace {

// A reading packed for the sort: its first eight bytes in `head`, the next three and its
// length in `tail`, bytes flipped from signed to unsigned order and padded with zero bytes
// (which sort first, as a shorter reading does). Comparing (head, tail) as numbers gives
// ListViewCompare's order, except between two readings that agree in their first kKeyBytes
// bytes and are both longer than that.
struct ReadingKey {
  std::uint64_t head;
  std::uint32_t tail;
};

constexpr std::size_t kKeyBytes = 11;

ReadingKey KeyOf(SjisView reading) {
  const auto byte = [reading](std::size_t i) -> std::uint32_t {
    return i < reading.size() ? static_cast<unsigned char>(reading[i]) ^ 0x80u : 0;
  };
  ReadingKey key{0, 0};
  for (std::size_t i = 0; i < 8; ++i) key.head = key.head << 8 | byte(i);
  for (std::size_t i = 8; i < kKeyBytes; ++i) key.tail = key.tail << 8 | byte(i);
  const auto length = static_cast<std::uint32_t>(std::min<std::size_t>(reading.size(), 0xFF));
  key.tail = key.tail << 8 | length;
  return key;
}

bool LongerThanKey(std::uint32_t tail) { return (tail & 0xFF) > kKeyBytes; }

// The bucket of a reading in the sort: its first byte in ListViewCompare's order, so that
// each bucket is sorted on its own in a range that stays in the cache.
std::size_t BucketOf(SjisView reading) {
  return reading.empty() ? 0 : (static_cast<unsigned char>(reading[0]) ^ 0x80u);
}

// Grows `v` to room for `n` elements, in a buffer of huge pages when it is large.
template <typename T>
void ReserveLarge(std::vector<T>& v, std::size_t n) {
  if (n <= v.capacity()) return;
  std::vector<T> grown;
  grown.reserve(n);
  AdviseHugePages(grown.data(), n * sizeof(T));
  grown.insert(grown.end(), std::make_move_iterator(v.begin()), std::make_move_iterator(v.end()));
  v.swap(grown);
}

// A vector of `n` value-initialised elements, in huge pages when it is large.
template <typename T>
std::vector<T> LargeVector(std::size_t n) {
  std::vector<T> v;
  ReserveLarge(v, n);
  v.resize(n);
  return v;
}

// A row's place in the sort: its reading's key and its index before the sort.
struct SortKey {
  std::uint64_t head;
  std::uint32_t tail;
  std::uint32_t row;
};

// How many places ahead along a cycle the rows are fetched into the cache when they move.
constexpr std::size_t kPrefetchAhead = 8;

void Prefetch(const Row& row) {
  const char* p = reinterpret_cast<const char*>(&row);
  __builtin_prefetch(p, 1);
  __builtin_prefetch(p + sizeof(Row) - 1, 1);
}

bool ReadingLess(const Row& a, const Row& b) { return ListViewCompare(a.reading, b.reading) < 0; }

bool InOrder(const std::vector<Row>& rows) {
  return std::is_sorted(rows.begin(), rows.end(), ReadingLess);
}

constexpr unsigned char kLongVowelMark = 0xB0;  // ｰ

struct PhraseKind {
  SjisView phrase;
  std::int32_t kind;
  friend bool operator==(const PhraseKind&, const PhraseKind&) = default;
};

struct PhraseKindHash {
  std::size_t operator()(const PhraseKind& k) const {
    return std::hash<SjisView>{}(k.phrase) ^
           (static_cast<std::size_t>(k.kind) * 0x9E3779B97F4A7C15u);
  }
};

// Runs at most this long are deduplicated by comparing each row with the kept ones; longer
// runs go through a hash set, so that a long run of one reading stays linear.
constexpr std::size_t kShortRun = 16;

// Moves the rows and their flags into place cycle by cycle: place i takes row from[i], and
// from[i] == i marks a place that holds its row. The walk jumps all over the list, so rows
// are fetched a few places ahead along the cycle; a compact from[] keeps that look-ahead
// cheap. Nothing is moved twice, and no second list is needed.
void Permute(std::vector<Row>& rows, std::vector<unsigned char>& selected,
             std::vector<std::uint32_t>& from) {
  const std::size_t n = rows.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (from[i] == i) continue;
    std::size_t ahead = i;
    for (std::size_t d = 0; d < kPrefetchAhead && (d == 0 || ahead != i); ++d) {
      ahead = from[ahead];
      Prefetch(rows[ahead]);
    }
    Row row = std::move(rows[i]);
    const unsigned char flag = selected[i];
    std::size_t j = i;
    while (from[j] != i) {
      const std::size_t k = from[j];
      if (ahead != i) {
        ahead = from[ahead];
        Prefetch(rows[ahead]);
      }
      rows[j] = std::move(rows[k]);
      selected[j] = selected[k];
      from[j] = static_cast<std::uint32_t>(j);
      j = k;
    }
    rows[j] = std::move(row);
    selected[j] = flag;
    from[j] = static_cast<std::uint32_t>(j);
  }
}

}  // namespace

int ListViewCompare(SjisView a, SjisView b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int x = static_cast<signed char>(a[i]);
    const int y = static_cast<signed char>(b[i]);
    if (x != y) return x - y;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::optional<std::size_t> WordList::FirstSelected() const {
  if (selectedCount_ == 0) return std::nullopt;
  const void* hit = std::memchr(selected_.data(), 1, selected_.size());
  if (hit == nullptr) return std::nullopt;
  return static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - selected_.data());
}

void WordList::Select(std::size_t i, bool on) {
  const unsigned char flag = on ? 1 : 0;
  if (selected_[i] == flag) return;
  selected_[i] = flag;
  if (on) {
    ++selectedCount_;
  } else {
    --selectedCount_;
  }
}

void WordList::SelectRange(std::size_t first, std::size_t last, bool on) {
  if (rows_.empty()) return;
  last = std::min(last, rows_.size() - 1);
  for (std::size_t i = first; i <= last; ++i) Select(i, on);
}

void WordList::ClearSelection() {
  std::fill(selected_.begin(), selected_.end(), 0);
  selectedCount_ = 0;
}

void WordList::SelectAll() {
  std::fill(selected_.begin(), selected_.end(), 1);
  selectedCount_ = rows_.size();
}

std::size_t WordList::Add(Row row) {
  std::size_t at = rows_.size();
  if (mode_ == SortMode::kBoth) {
    // The list is sorted: after the rows of an equal reading is where a stable sort puts it.
    at = static_cast<std::size_t>(std::upper_bound(rows_.begin(), rows_.end(), row, ReadingLess) -
                                  rows_.begin());
  }
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
  selected_.insert(selected_.begin() + static_cast<std::ptrdiff_t>(at), 0);
  return at;
}

std::size_t WordList::Change(std::size_t i, Row row) {
  const bool moves = mode_ == SortMode::kBoth && row.reading != rows_[i].reading;
  if (!moves) {
    rows_[i] = std::move(row);
    return i;
  }
  // Place of the run of rows that read like the new reading, counted without row i. A full
  // stable sort keeps row i after those of the run that stood before it and before the rest.
  const bool oldBefore = ListViewCompare(rows_[i].reading, row.reading) < 0;
  auto lo = static_cast<std::size_t>(
      std::lower_bound(rows_.begin(), rows_.end(), row, ReadingLess) - rows_.begin());
  auto hi = static_cast<std::size_t>(
      std::upper_bound(rows_.begin(), rows_.end(), row, ReadingLess) - rows_.begin());
  if (oldBefore) {
    --lo;
    --hi;
  }
  const std::size_t to = std::clamp(i, lo, hi);
  rows_[i] = std::move(row);
  const auto move = [i, to](auto& v) {
    const auto b = v.begin();
    const auto d = [](std::size_t k) { return static_cast<std::ptrdiff_t>(k); };
    if (to < i) {
      std::rotate(b + d(to), b + d(i), b + d(i + 1));
    } else {
      std::rotate(b + d(i), b + d(i + 1), b + d(to + 1));
    }
  };
  move(rows_);
  move(selected_);
  return to;
}

void WordList::BeginBulk() { mode_ = SortMode::kNone; }

void WordList::Append(Row row) {
  rows_.push_back(std::move(row));
  selected_.push_back(0);
}

void WordList::EndBulk() {
  mode_ = SortMode::kData;
  SortStable();
}

void WordList::Reserve(std::size_t n) {
  ReserveLarge(rows_, n);
  ReserveLarge(selected_, n);
}

void WordList::Clear() {
  rows_.clear();
  selected_.clear();
  selectedCount_ = 0;
}

std::size_t WordList::DeleteSelected(Progress& progress) {
  const std::size_t before = rows_.size();
  StepReporter steps(progress, before);
  std::size_t kept = 0;
  for (std::size_t r = 0; r < before; ++r) {
    steps.At(r);
    if (selected_[r] != 0) continue;
    if (kept != r) rows_[kept] = std::move(rows_[r]);
    ++kept;
  }
  rows_.resize(kept);
  selected_.assign(kept, 0);
  selectedCount_ = 0;
  steps.Finish();
  return before - kept;
}

std::size_t WordList::Truncate(std::size_t n, Progress& progress) {
  const std::size_t before = rows_.size();
  const std::size_t gone = before > n ? before - n : 0;
  StepReporter steps(progress, gone);
  if (gone > 0) {
    selectedCount_ -= static_cast<std::size_t>(
        std::count(selected_.begin() + static_cast<std::ptrdiff_t>(n), selected_.end(), 1));
    rows_.resize(n);
    selected_.resize(n);
    steps.At(gone - 1);
  }
  steps.Finish();
  return gone;
}

std::size_t WordList::RemoveDuplicates(Progress& progress) {
  const std::size_t before = rows_.size();
  StepReporter steps(progress, before);
  std::unordered_set<PhraseKind, PhraseKindHash> seen;
  std::size_t kept = 0;
  std::size_t runStart = 0;  // read index where the current run of equal readings began
  std::size_t runKept = 0;   // write index of the first kept row of that run
  for (std::size_t r = 0; r < before; ++r) {
    steps.At(r);
    // rows_[runKept] holds the run's first row; rows before `kept` are final.
    if (r == 0 || rows_[r].reading != rows_[runKept].reading) {
      runStart = r;
      runKept = kept;
      // A fresh set, not clear(): clearing costs as much as the largest set had buckets.
      if (!seen.empty()) seen = {};
    }
    Row& row = rows_[r];
    bool duplicate = false;
    const std::size_t runLength = r - runStart;
    if (runLength < kShortRun) {
      for (std::size_t k = runKept; k < kept && !duplicate; ++k) {
        duplicate = rows_[k].kind == row.kind && rows_[k].phrase == row.phrase;
      }
    } else {
      if (runLength == kShortRun) {
        // The run grows long: from here on look the kept rows up by hash.
        for (std::size_t k = runKept; k < kept; ++k) seen.insert({rows_[k].phrase, rows_[k].kind});
      }
      duplicate = seen.contains({row.phrase, row.kind});
    }
    if (duplicate) {
      if (selected_[r] != 0) --selectedCount_;
      continue;
    }
    if (kept != r) {
      rows_[kept] = std::move(row);
      selected_[kept] = selected_[r];
    }
    // A kept row no longer moves while its run lasts, so the set may view its phrase.
    if (runLength >= kShortRun) seen.insert({rows_[kept].phrase, rows_[kept].kind});
    ++kept;
  }
  rows_.resize(kept);
  selected_.resize(kept);
  steps.Finish();
  return before - kept;
}

std::size_t WordList::AddVowelRows(Progress& progress) {
  mode_ = SortMode::kNone;
  const std::size_t before = rows_.size();
  StepReporter steps(progress, before);
  // The new rows are gathered apart, so that the list grows once, by exactly their number.
  std::vector<Row> added;
  for (std::size_t r = 0; r < before; ++r) {
    const Row& row = rows_[r];
    if (row.reading.find(static_cast<char>(kLongVowelMark), 1) != SjisString::npos) {
      SjisString reading = row.reading;
      if (RewriteLongVowels(reading))
        added.push_back(Row{std::move(reading), row.phrase, row.kind});
    }
    steps.At(r);
  }
  steps.Finish();
  Reserve(before + added.size());
  if (!InOrder(rows_)) {
    for (Row& row : added) Append(std::move(row));
    EndBulk();
    return added.size();
  }
  // The list was sorted already (as after any bulk operation): sort the new rows alone and
  // merge them in from the back. Among equal readings the new rows go last, as a stable sort
  // of the list with them appended puts them.
  std::stable_sort(added.begin(), added.end(), ReadingLess);
  rows_.resize(before + added.size());
  selected_.resize(rows_.size(), 0);
  std::size_t kept = before;
  std::size_t fresh = added.size();
  for (std::size_t w = rows_.size(); fresh > 0;) {
    --w;
    if (kept > 0 && ReadingLess(added[fresh - 1], rows_[kept - 1])) {
      --kept;
      rows_[w] = std::move(rows_[kept]);
      selected_[w] = selected_[kept];
    } else {
      --fresh;
      rows_[w] = std::move(added[fresh]);
      selected_[w] = 0;
    }
  }
  mode_ = SortMode::kData;
  return added.size();
}

std::size_t WordList::ChangeToVowels(Progress& progress) {
  mode_ = SortMode::kNone;
  StepReporter steps(progress, rows_.size());
  std::size_t changed = 0;
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    if (RewriteLongVowels(rows_[r].reading)) ++changed;
    steps.At(r);
  }
  steps.Finish();
  EndBulk();
  return changed;
}

std::optional<std::size_t> WordList::FindPrefix(SjisView prefix, std::size_t start) const {
  for (std::size_t i = start; i < rows_.size(); ++i) {
    if (SjisView(rows_[i].reading).starts_with(prefix)) return i;
  }
  return std::nullopt;
}

void WordList::SortStable() {
  if (InOrder(rows_)) return;  // a sorted file, say
  const std::size_t n = rows_.size();

  // Bucket by the first byte (counting sort, which keeps the row order), then sort each
  // bucket by the whole key.
  std::vector<std::size_t> start(257, 0);
  for (const Row& row : rows_) ++start[BucketOf(row.reading) + 1];
  for (std::size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
  std::vector<SortKey> keys = LargeVector<SortKey>(n);
  {
    std::vector<std::size_t> next(start.begin(), start.end() - 1);
    for (std::size_t r = 0; r < n; ++r) {
      const SjisView reading = rows_[r].reading;
      const ReadingKey key = KeyOf(reading);
      keys[next[BucketOf(reading)]++] = {key.head, key.tail, static_cast<std::uint32_t>(r)};
    }
  }
  // Ties go by the old index, which makes the sort stable. When the key bytes agree, the
  // shorter reading goes first, unless both are longer than the key: then the rows decide.
  const auto before = [this](const SortKey& a, const SortKey& b) {
    if (a.head != b.head) return a.head < b.head;
    if (a.tail >> 8 != b.tail >> 8 || !LongerThanKey(a.tail) || !LongerThanKey(b.tail)) {
      if (a.tail != b.tail) return a.tail < b.tail;
      return a.row < b.row;
    }
    const int c = ListViewCompare(rows_[a.row].reading, rows_[b.row].reading);
    if (c != 0) return c < 0;
    return a.row < b.row;
  };
  for (std::size_t b = 0; b + 1 < start.size(); ++b) {
    const auto first = keys.begin() + static_cast<std::ptrdiff_t>(start[b]);
    const auto last = keys.begin() + static_cast<std::ptrdiff_t>(start[b + 1]);
    if (last - first > 1) std::sort(first, last, before);
  }

  std::vector<std::uint32_t> from = LargeVector<std::uint32_t>(n);
  for (std::size_t i = 0; i < n; ++i) from[i] = keys[i].row;
  keys = {};
  Permute(rows_, selected_, from);
}

}  // namespace kz
