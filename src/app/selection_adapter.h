// Turns the word list's mouse and keyboard gestures into changes of the list's per-row
// selection flags, and tells which selection events those changes make.
//
// The events follow the order a list view gives them: deselections first, then
// selections. So the entry fields show `lastSelected` when a row became selected, and are
// emptied when the only changes were deselections.
#pragma once

#include <QFlags>
#include <Qt>
#include <cstddef>
#include <optional>

#include "app/word_list_model.h"
#include "dictionary/word_list.h"

namespace kz::app {

struct SelectionEffect {
  std::optional<std::size_t> lastSelected;  // the last row that became selected
  bool deselected = false;                  // some row stopped being selected
};

class SelectionAdapter {
 public:
  SelectionAdapter(WordList& words, WordListModel& model) : words_(words), model_(model) {}

  // Mouse press on `row` (nullopt: below the last row).
  SelectionEffect Press(std::optional<std::size_t> row, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers);
  // Mouse moved to `row` with the left button held since the last press.
  SelectionEffect Drag(std::size_t row, Qt::KeyboardModifiers modifiers);
  // The keyboard moved the current row to `row`.
  SelectionEffect Navigate(std::size_t row, Qt::KeyboardModifiers modifiers);
  // Ctrl+Space on `row`.
  SelectionEffect Toggle(std::size_t row);

  // A command made `row` the only selected one (Add, Change, Find).
  void SetAnchor(std::size_t row) { anchor_ = row; }

 private:
  // Selects first..last (either order), deselecting the rest unless `keepOthers`.
  SelectionEffect SelectSpan(std::size_t from, std::size_t to, bool keepOthers);
  SelectionEffect ClearAll();

  WordList& words_;
  WordListModel& model_;
  std::size_t anchor_ = 0;
  std::optional<std::size_t> dragRow_;
};

}  // namespace kz::app
