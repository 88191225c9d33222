// The word list's view: a QTableView whose own selection model stays empty. Gestures go to
// the SelectionAdapter, which changes the core's per-row flags; the delegate paints a row
// as selected when the model says so. Ctrl+C has no meaning of its own here (the pop-up
// menu's Copy does the copying), and the view never selects all by itself.
#pragma once

#include <QTableView>
#include <functional>

#include "app/selection_adapter.h"

namespace kz::app {

class WordListView final : public QTableView {
  Q_OBJECT

 public:
  explicit WordListView(QWidget* parent);

  void SetAdapter(SelectionAdapter* adapter,
                  std::function<void(const SelectionEffect&)> onSelection);
  // Makes `row` the current (focus) row and scrolls it fully into view.
  void ShowRow(std::size_t row);

  void selectAll() override {}

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  SelectionAdapter* adapter_ = nullptr;
  std::function<void(const SelectionEffect&)> onSelection_;
};

}  // namespace kz::app
