#include "app/hidden_tab_style.h"

#include <QStyleOption>

namespace kz::app {

void HiddenTabStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  const bool tabPart =
      element == CE_TabBarTab || element == CE_TabBarTabShape || element == CE_TabBarTabLabel;
  if (tabPart && option != nullptr && option->rect.isEmpty()) return;
  QProxyStyle::drawControl(element, option, painter, widget);
}

int HiddenTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
  if (metric == PM_TabBarTabHSpace) return 12;
  if (metric == PM_TabBarTabVSpace) return 6;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace kz::app
