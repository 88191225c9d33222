#include "app/anchor_layout.h"

#include <QEvent>
#include <algorithm>

namespace kz::app {

AnchorSet::AnchorSet(QWidget* parent, QSize design)
    : QObject(parent), parent_(parent), design_(design) {
  parent->installEventFilter(this);
}

void AnchorSet::Add(QWidget* child, QRect rect, Anchors anchors) {
  items_.push_back({child, rect, anchors});
  child->setGeometry(rect);
}

namespace {

// One axis: start and length after the parent grew by `delta`.
std::pair<int, int> Place(int start, int length, int delta, bool nearEdge, bool farEdge) {
  if (nearEdge && farEdge) return {start, std::max(0, length + delta)};
  if (farEdge) return {start + delta, length};
  if (!nearEdge) return {start + delta / 2, length};
  return {start, length};
}

}  // namespace

void AnchorSet::Apply() {
  const int dx = parent_->width() - design_.width();
  const int dy = parent_->height() - design_.height();
  for (const Item& item : items_) {
    if (!item.widget) continue;
    const auto [x, w] =
        Place(item.rect.x(), item.rect.width(), dx, item.anchors.testFlag(Anchor::kLeft),
              item.anchors.testFlag(Anchor::kRight));
    const auto [y, h] =
        Place(item.rect.y(), item.rect.height(), dy, item.anchors.testFlag(Anchor::kTop),
              item.anchors.testFlag(Anchor::kBottom));
    item.widget->setGeometry(x, y, w, h);
  }
}

bool AnchorSet::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent_ && event->type() == QEvent::Resize) Apply();
  return QObject::eventFilter(watched, event);
}

}  // namespace kz::app
