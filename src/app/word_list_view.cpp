#include "app/word_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "app/word_list_model.h"

namespace kz::app {
namespace {

// Paints a row as selected exactly when the list's flag says so.
class SelectionDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    if (index.data(WordListModel::kSelectedRole).toBool()) {
      opt.state |= QStyle::State_Selected;
    } else {
      opt.state &= ~QStyle::State_Selected;
    }
    QStyledItemDelegate::paint(painter, opt, index);
  }
};

}  // namespace

WordListView::WordListView(QWidget* parent) : QTableView(parent) {
  setItemDelegate(new SelectionDelegate(this));
  setSelectionMode(ExtendedSelection);
  setSelectionBehavior(SelectRows);
  setEditTriggers(NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setCornerButtonEnabled(false);
  setSortingEnabled(false);
  setContextMenuPolicy(Qt::CustomContextMenu);
  verticalHeader()->hide();
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

void WordListView::SetAdapter(SelectionAdapter* adapter,
                              std::function<void(const SelectionEffect&)> onSelection) {
  adapter_ = adapter;
  onSelection_ = std::move(onSelection);
}

void WordListView::ShowRow(std::size_t row) {
  const QModelIndex index = model()->index(static_cast<int>(row), 0);
  if (!index.isValid()) return;
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  scrollTo(index, EnsureVisible);
}

QItemSelectionModel::SelectionFlags WordListView::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
  if (adapter_ == nullptr) return QItemSelectionModel::NoUpdate;
  const std::optional<std::size_t> row =
      index.isValid() ? std::optional<std::size_t>(static_cast<std::size_t>(index.row()))
                      : std::nullopt;
  SelectionEffect effect;
  if (event == nullptr) {
    if (row) effect = adapter_->Navigate(*row, Qt::NoModifier);
  } else if (event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    effect = adapter_->Press(row, mouse->button(), mouse->modifiers());
  } else if (event->type() == QEvent::MouseMove) {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (row && mouse->buttons().testFlag(Qt::LeftButton)) {
      effect = adapter_->Drag(*row, mouse->modifiers());
    }
  } else if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (row) {
      if (key->key() == Qt::Key_Space && key->modifiers().testFlag(Qt::ControlModifier)) {
        effect = adapter_->Toggle(*row);
      } else {
        effect = adapter_->Navigate(*row, key->modifiers());
      }
    }
  }
  if (onSelection_ && (effect.lastSelected || effect.deselected)) onSelection_(effect);
  return QItemSelectionModel::NoUpdate;
}

void WordListView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace kz::app
