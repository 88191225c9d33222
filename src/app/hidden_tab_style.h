// The tab bar's style: draws nothing for a tab whose rectangle is empty, which is what a
// hidden tab has, so the hidden errors tab leaves no pixels at the bar's corner while its
// page is shown. Tabs are also a little narrower than the base style makes them, so that
// the two visible ones fit beside the progress bar.
#pragma once

#include <QProxyStyle>

namespace kz::app {

class HiddenTabStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
};

}  // namespace kz::app
