// The one document of the editor: the word list, the Modified flag and the find state.
//
// Every rule about what a command does to the list and to Modified lives here, so that it
// can be tested without a window. The dictionary information (name, author, date, header
// choice) is not held here: the window keeps it in its fields. Questions, dialogs and
// messages are the window's; the document's operations return what the window must show.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "progress.h"
#include "sjis_string.h"
#include "word_list.h"

namespace kz {

struct ImportResult {
  std::size_t linesSeen = 0;             // every line given, comments and empty lines too
  std::size_t added = 0;
  std::vector<SjisString> rejected;      // exactly as given, in input order
  std::vector<std::size_t> rejectedIndex;  // 0-based index of each rejected line
};

enum class FindOutcome {
  kCancelled,   // no text to search for: nothing changed
  kFound,       // `row` is now the only selected row
  kEnd,         // no further match: selection cleared; the window shows the end message
};

struct FindResult {
  FindOutcome outcome = FindOutcome::kCancelled;
  std::size_t row = 0;
};

class Document {
 public:
  WordList& words() { return words_; }
  const WordList& words() const { return words_; }

  bool modified() const { return modified_; }
  void setModified(bool m) { modified_ = m; }

  // New: empties the list and clears Modified. The sort mode and find state stay.
  void New();

  // Add and Change of an entry that passed the entry check. Both set Modified and leave
  // the changed row as the only selected one. Change returns nullopt (and does nothing)
  // when no row is selected. Return the row's index.
  std::size_t Add(Row row);
  std::optional<std::size_t> Change(Row row);
  // Whether Change would act (a row is selected); the window checks before CheckInput.
  bool CanChange() const { return words_.SelectedCount() > 0; }

  // Delete: removes the selected rows; Modified = rows remain.
  std::size_t DeleteSelected(Progress& progress);
  // Truncation to n rows (n < 0 taken as 0); Modified = rows remain.
  std::size_t Truncate(long long n, Progress& progress);
  // Duplicate removal: Modified set when rows went, else unchanged. Returns removed count.
  std::size_t RemoveDuplicates(Progress& progress);
  // Long-vowel commands, with their Modified rules.
  std::size_t AddVowelRows(Progress& progress);
  std::size_t ChangeToVowels(Progress& progress);

  // Word lines in: appends the lines that pass the entry rules, rejects the rest, sorts
  // once. Modified = the list has rows afterwards.
  ImportResult ImportLines(const std::vector<SjisString>& lines, Progress& progress);
  // Word lines out: all rows, or only the selected ones.
  std::vector<SjisString> ExportLines(bool selectedOnly) const;

  // Loading: replaces the list by `rows` (one bulk append and one sort) and clears Modified.
  void LoadRows(std::vector<Row> rows, Progress& progress);

  // Find. FindFirst forgets the search text; FindNext searches with `askText`'s answer
  // when there is no search text yet. `askText` returns nullopt on cancel.
  template <typename AskText>
  FindResult FindNext(AskText&& askText);
  void ForgetSearch() { searchText_.clear(); }
  const SjisString& searchText() const { return searchText_; }
  std::size_t searchStart() const { return searchStart_; }

 private:
  FindResult FindWith(std::optional<SjisString> typed);

  WordList words_;
  bool modified_ = false;
  SjisString searchText_;
  std::size_t searchStart_ = 0;
};

template <typename AskText>
FindResult Document::FindNext(AskText&& askText) {
  if (searchText_.empty()) return FindWith(askText());
  return FindWith(std::nullopt);
}

}  // namespace kz
