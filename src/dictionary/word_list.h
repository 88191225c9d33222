// The word list: rows in their current order, a selection flag per row, and the sort mode.
//
// The list is a contiguous vector. Removing rows (delete, truncate, duplicates) is one
// compacting pass; a bulk operation appends under SortMode::kNone and sorts once, stably,
// when it ends. The selection lives here as one flag per row that moves with its row
// through every sort and removal, so that a selection scattered over a million rows
// costs nothing to keep or paint. The list knows nothing of Modified, files or text lines:
// the Document applies those rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "progress.h"
#include "sjis_string.h"

namespace kz {

struct Row {
  SjisString reading;
  SjisString phrase;
  std::int32_t kind = 0;  // index into the kinds table; any value from files or text lines

  friend bool operator==(const Row&, const Row&) = default;
};

// The list order: the readings' bytes compared as signed 8-bit values, then the lengths.
// Negative when a goes before b, positive when after, 0 when equal in order.
int ListViewCompare(SjisView a, SjisView b);

enum class SortMode {
  kBoth,  // from start-up: a row whose reading is set moves to its place at once
  kNone,  // during a bulk operation: nothing moves
  kData,  // after a bulk operation: single adds stay last, changed rows stay put
};

class WordList {
 public:
  std::size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  const Row& operator[](std::size_t i) const { return rows_[i]; }
  const std::vector<Row>& rows() const { return rows_; }

  SortMode sortMode() const { return mode_; }

  // Selection.
  bool IsSelected(std::size_t i) const { return selected_[i] != 0; }
  std::size_t SelectedCount() const { return selectedCount_; }
  std::optional<std::size_t> FirstSelected() const;  // lowest selected index
  void Select(std::size_t i, bool on);
  void SelectRange(std::size_t first, std::size_t last, bool on);  // inclusive
  void ClearSelection();
  void SelectAll();

  // Appends `row` and, under kBoth, moves it to its place by reading (after rows with an
  // equal reading). Returns its index. The new row is not selected.
  std::size_t Add(Row row);
  // Replaces row `i`. Under kBoth, when the reading differs, the row moves to where a full
  // stable sort would put it. Returns its new index. Its selection flag moves with it.
  std::size_t Change(std::size_t i, Row row);

  // Bulk appending: BeginBulk sets kNone, Append adds rows at the end unselected, EndBulk
  // sets kData and sorts the whole list once (stable), selection flags moving with rows.
  void BeginBulk();
  void Append(Row row);
  void EndBulk();
  void Reserve(std::size_t n);

  // Removes every row (New). Keeps the sort mode.
  void Clear();
  // Removes the selected rows; returns how many went. Order of the rest unchanged.
  std::size_t DeleteSelected(Progress& progress);
  // Keeps the first n rows; returns how many went.
  std::size_t Truncate(std::size_t n, Progress& progress);
  // Removes each row equal (reading, phrase, kind) to an earlier row of the same unbroken
  // run of equal readings; the lowest index stays. One linear pass. Returns how many went.
  std::size_t RemoveDuplicates(Progress& progress);
  // Appends a copy with long-vowel marks rewritten for every row that has one to rewrite,
  // then sorts once. Returns the number of rows added.
  std::size_t AddVowelRows(Progress& progress);
  // Rewrites the long-vowel marks of every row in place, then sorts once. Returns the
  // number of rows changed.
  std::size_t ChangeToVowels(Progress& progress);

  // The first row at or after `start` whose reading begins with `prefix` (byte for byte).
  std::optional<std::size_t> FindPrefix(SjisView prefix, std::size_t start) const;

 private:
  void SortStable();

  std::vector<Row> rows_;
  std::vector<unsigned char> selected_;  // parallel to rows_
  std::size_t selectedCount_ = 0;
  SortMode mode_ = SortMode::kBoth;
};

}  // namespace kz
