#include "word_list.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <unordered_set>
#include <utility>

#include "vowel.h"

namespace kz {

namespace {

// The first eight bytes of a reading packed so that comparing two keys as numbers gives
// ListViewCompare's order wherever they differ (bytes flipped from signed to unsigned order;
// padding sorts first, as a shorter reading does).
std::uint64_t HeadKey(SjisView reading) {
  std::uint64_t key = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    const unsigned char b = i < reading.size() ? static_cast<unsigned char>(reading[i]) ^ 0x80 : 0;
    key = key << 8 | b;
  }
  return key;
}

bool ReadingLess(const Row& a, const Row& b) { return ListViewCompare(a.reading, b.reading) < 0; }

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
  rows_.reserve(n);
  selected_.reserve(n);
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
  for (std::size_t r = 0; r < before; ++r) {
    SjisString reading = rows_[r].reading;
    if (RewriteLongVowels(reading)) Append(Row{std::move(reading), rows_[r].phrase, rows_[r].kind});
    steps.At(r);
  }
  steps.Finish();
  EndBulk();
  return rows_.size() - before;
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
  struct Key {
    std::uint64_t head;
    std::uint32_t row;
  };
  std::vector<Key> keys(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    keys[i] = {HeadKey(rows_[i].reading), static_cast<std::uint32_t>(i)};
  }
  // Ties go by the old index, which makes the sort stable.
  const auto before = [this](const Key& a, const Key& b) {
    if (a.head != b.head) return a.head < b.head;
    const int c = ListViewCompare(rows_[a.row].reading, rows_[b.row].reading);
    if (c != 0) return c < 0;
    return a.row < b.row;
  };
  if (std::is_sorted(keys.begin(), keys.end(), before)) return;  // a sorted file, say
  std::sort(keys.begin(), keys.end(), before);

  // Move the rows and their flags into place cycle by cycle: place i takes row from[i].
  std::vector<std::uint32_t> from(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) from[i] = keys[i].row;
  keys = {};
  for (std::size_t i = 0; i < from.size(); ++i) {
    if (from[i] == i) continue;
    Row row = std::move(rows_[i]);
    const unsigned char flag = selected_[i];
    std::size_t j = i;
    while (from[j] != i) {
      const std::size_t k = from[j];
      rows_[j] = std::move(rows_[k]);
      selected_[j] = selected_[k];
      from[j] = static_cast<std::uint32_t>(j);
      j = k;
    }
    rows_[j] = std::move(row);
    selected_[j] = flag;
    from[j] = static_cast<std::uint32_t>(j);
  }
}

}  // namespace kz
