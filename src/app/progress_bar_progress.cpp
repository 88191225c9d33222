#include "app/progress_bar_progress.h"

#include <QStyle>
#include <QStyleOptionProgressBar>
#include <algorithm>
#include <climits>

namespace kz::app {

void ProgressBarProgress::Start(std::size_t maximum) {
  if (!bar_) return;
  maximum_ = maximum;
  scale_ = 1;
  while (maximum / static_cast<std::size_t>(scale_) > static_cast<std::size_t>(INT_MAX)) {
    scale_ *= 2;
  }
  bar_->setMaximum(static_cast<int>(maximum / static_cast<std::size_t>(scale_)));
  bar_->setValue(0);
  QStyleOptionProgressBar option;
  option.initFrom(bar_);
  grooveWidth_ =
      bar_->style()->subElementRect(QStyle::SE_ProgressBarContents, &option, bar_).width();
  paintedPixels_ = 0;
  sinceRepaint_.start();
}

int ProgressBarProgress::FilledPixels(std::size_t position) const {
  if (maximum_ == 0) return 0;
  const auto p = std::min(position, maximum_);
  return static_cast<int>(static_cast<long double>(p) * grooveWidth_ /
                          static_cast<long double>(maximum_));
}

void ProgressBarProgress::Step(std::size_t position) {
  if (!bar_) return;
  bar_->setValue(static_cast<int>(std::min(position, maximum_) / static_cast<std::size_t>(scale_)));
  const int pixels = FilledPixels(position);
  if (pixels == paintedPixels_) return;
  if (frameMs_ > 0 && sinceRepaint_.isValid() && sinceRepaint_.elapsed() < frameMs_) return;
  paintedPixels_ = pixels;
  bar_->repaint();
  ++repaints_;
  sinceRepaint_.start();
}

void ProgressBarProgress::Finish() {
  if (!bar_) return;
  bar_->setValue(0);
  if (paintedPixels_ != 0) {
    bar_->repaint();
    ++repaints_;
  }
  paintedPixels_ = 0;
}

}  // namespace kz::app
