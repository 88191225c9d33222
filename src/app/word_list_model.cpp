#include "app/word_list_model.h"

#include <algorithm>

#include "dictionary/kinds.h"
#include "platform/sjis_codec.h"

namespace kz::app {

WordListModel::WordListModel(const WordList& words, QObject* parent)
    : QAbstractTableModel(parent), words_(words) {}

int WordListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(words_.size());
}

int WordListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant WordListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= words_.size()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  if (role == kSelectedRole) return words_.IsSelected(row);
  if (role != Qt::DisplayRole) return {};
  const Row& r = words_[row];
  switch (index.column()) {
    case 0:
      return DecodeSjis(r.reading);
    case 1:
      return DecodeSjis(r.phrase);
    case 2:
      return QString::fromStdString(KindText(r.kind));
    default:
      return {};
  }
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case 0:
      return QStringLiteral("読み");
    case 1:
      return QStringLiteral("語句");
    case 2:
      return QStringLiteral("種類");
    default:
      return {};
  }
}

Qt::ItemFlags WordListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

std::size_t PredictedAddPosition(const WordList& words, SjisView reading) {
  if (words.sortMode() != SortMode::kBoth) return words.size();
  const auto& rows = words.rows();
  const auto it = std::upper_bound(
      rows.begin(), rows.end(), reading,
      [](SjisView r, const Row& row) { return ListViewCompare(r, row.reading) < 0; });
  return static_cast<std::size_t>(it - rows.begin());
}

std::size_t WordListModel::InsertRow(const SjisString& reading,
                                     const std::function<std::size_t()>& add) {
  const auto at = static_cast<int>(PredictedAddPosition(words_, reading));
  beginInsertRows({}, at, at);
  const std::size_t index = add();
  endInsertRows();
  if (static_cast<int>(index) != at) {
    // The list placed the row elsewhere than foreseen: tell the view the order changed.
    emit layoutAboutToBeChanged();
    emit layoutChanged();
  }
  return index;
}

std::size_t WordListModel::ChangeRow(const std::function<std::size_t()>& change) {
  emit layoutAboutToBeChanged();
  const std::size_t index = change();
  emit layoutChanged();
  return index;
}

void WordListModel::Reset(const std::function<void()>& bulk) {
  beginResetModel();
  try {
    bulk();
  } catch (...) {
    endResetModel();
    throw;
  }
  endResetModel();
}

void WordListModel::SelectionChanged() {
  if (words_.empty()) return;
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {kSelectedRole});
}

}  // namespace kz::app
