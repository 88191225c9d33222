// The table model of the word list: three columns over the core word list, nothing stored
// of its own. Rows are decoded from Shift_JIS when they are drawn; the kind column shows the
// kind text of the row's index. Selected rows are told by kSelectedRole, read from the
// list's per-row flags (the view's own selection model stays empty).
//
// Changes: a single added row is announced as an insertion at the place the list gives it;
// a changed row as a layout change (it may move); bulk operations as one reset.
#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "dictionary/word_list.h"

namespace kz::app {

class WordListModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kSelectedRole = Qt::UserRole + 1;

  WordListModel(const WordList& words, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Runs `add`, which appends one row to the list and returns its index.
  std::size_t InsertRow(const SjisString& reading, const std::function<std::size_t()>& add);
  // Runs `change`, which replaces one row (and may move it) and returns its index.
  std::size_t ChangeRow(const std::function<std::size_t()>& change);
  // Runs `bulk`, which may change the list in any way, inside one model reset.
  void Reset(const std::function<void()>& bulk);
  // The selection flags changed: repaint.
  void SelectionChanged();

 private:
  const WordList& words_;
};

// Where WordList::Add will put a row with `reading`: its place by reading under kBoth
// (after equal readings), else the end.
std::size_t PredictedAddPosition(const WordList& words, SjisView reading);

}  // namespace kz::app
