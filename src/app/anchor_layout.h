// Fixed positions with anchoring, as the window's layout is given: each child has a
// rectangle within a parent of a design size and keeps its distances to the edges it is
// anchored to when the parent is resized. Left and right together stretch it; right alone
// moves it with the right edge; the same for top and bottom.
//
// Geometry is set on the widgets directly, not through QLayout items, so that a 20-pixel
// line edit or button keeps its height whatever its size hint says.
#pragma once

#include <QFlags>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

namespace kz::app {

enum class Anchor { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8 };
Q_DECLARE_FLAGS(Anchors, Anchor)
Q_DECLARE_OPERATORS_FOR_FLAGS(Anchors)

inline constexpr Anchors kTopLeft{Anchor::kLeft, Anchor::kTop};
inline constexpr Anchors kTopStretch = Anchors(Anchor::kLeft) | Anchor::kTop | Anchor::kRight;
inline constexpr Anchors kTopRight = Anchors(Anchor::kTop) | Anchor::kRight;
inline constexpr Anchors kFill = kTopStretch | Anchor::kBottom;

class AnchorSet final : public QObject {
 public:
  // Lays out the children of `parent`, whose design size is `design`.
  AnchorSet(QWidget* parent, QSize design);

  void Add(QWidget* child, QRect rect, Anchors anchors);
  void Apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Item {
    QPointer<QWidget> widget;
    QRect rect;
    Anchors anchors;
  };
  QWidget* parent_;
  QSize design_;
  std::vector<Item> items_;
};

}  // namespace kz::app
