#include "app/selection_adapter.h"

#include <algorithm>

namespace kz::app {

SelectionEffect SelectionAdapter::ClearAll() {
  SelectionEffect effect;
  if (words_.SelectedCount() == 0) return effect;
  effect.deselected = true;
  words_.ClearSelection();
  model_.SelectionChanged();
  return effect;
}

SelectionEffect SelectionAdapter::SelectSpan(std::size_t from, std::size_t to, bool keepOthers) {
  SelectionEffect effect;
  if (words_.empty()) return effect;
  from = std::min(from, words_.size() - 1);
  to = std::min(to, words_.size() - 1);
  const std::size_t first = std::min(from, to);
  const std::size_t last = std::max(from, to);
  std::size_t selectedInSpan = 0;
  // Rows become selected from `from` towards `to`: the last one to change is the unselected
  // row nearest `to`.
  for (std::size_t k = 0; k <= last - first; ++k) {
    const std::size_t i = from <= to ? last - k : first + k;
    if (words_.IsSelected(i)) {
      ++selectedInSpan;
    } else if (!effect.lastSelected) {
      effect.lastSelected = i;
    }
  }
  if (!keepOthers && words_.SelectedCount() > selectedInSpan) {
    effect.deselected = true;
    words_.ClearSelection();
  }
  if (effect.deselected || effect.lastSelected) {
    words_.SelectRange(first, last, true);
    model_.SelectionChanged();
  }
  return effect;
}

SelectionEffect SelectionAdapter::Press(std::optional<std::size_t> row, Qt::MouseButton button,
                                        Qt::KeyboardModifiers modifiers) {
  const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
  const bool shift = modifiers.testFlag(Qt::ShiftModifier);
  dragRow_ = row;
  if (!row) {
    if (ctrl || shift || button != Qt::LeftButton) return {};
    return ClearAll();
  }
  if (button == Qt::RightButton) {
    // A right click keeps a selection it lands in, so the pop-up menu acts on it.
    if (words_.IsSelected(*row)) return {};
    anchor_ = *row;
    return SelectSpan(*row, *row, false);
  }
  if (button != Qt::LeftButton) return {};
  if (shift) return SelectSpan(anchor_, *row, ctrl);
  anchor_ = *row;
  if (ctrl) return Toggle(*row);
  return SelectSpan(*row, *row, false);
}

SelectionEffect SelectionAdapter::Drag(std::size_t row, Qt::KeyboardModifiers modifiers) {
  if (dragRow_ == row) return {};
  dragRow_ = row;
  return SelectSpan(anchor_, row, modifiers.testFlag(Qt::ControlModifier));
}

SelectionEffect SelectionAdapter::Navigate(std::size_t row, Qt::KeyboardModifiers modifiers) {
  if (modifiers.testFlag(Qt::ShiftModifier)) return SelectSpan(anchor_, row, false);
  if (modifiers.testFlag(Qt::ControlModifier)) return {};  // moves the focus row only
  anchor_ = row;
  return SelectSpan(row, row, false);
}

SelectionEffect SelectionAdapter::Toggle(std::size_t row) {
  SelectionEffect effect;
  if (row >= words_.size()) return effect;
  if (words_.IsSelected(row)) {
    words_.Select(row, false);
    effect.deselected = true;
  } else {
    words_.Select(row, true);
    effect.lastSelected = row;
  }
  model_.SelectionChanged();
  return effect;
}

}  // namespace kz::app
