// kz::Progress drawn on the window's progress bar.
//
// Every step sets the bar's value; the bar is repainted at once, without the event loop,
// only when its filled part grows by at least one pixel, so a long operation costs at most
// one repaint per pixel of the bar.
#pragma once

#include <QPointer>
#include <QProgressBar>

#include "dictionary/progress.h"

namespace kz::app {

class ProgressBarProgress final : public Progress {
 public:
  explicit ProgressBarProgress(QProgressBar* bar) : bar_(bar) {}

  void Start(std::size_t maximum) override;
  void Step(std::size_t position) override;
  void Finish() override;

  int repaints() const { return repaints_; }  // for tests and benchmarks

 private:
  int FilledPixels(std::size_t position) const;

  QPointer<QProgressBar> bar_;
  std::size_t maximum_ = 0;
  int scale_ = 1;  // positions are divided by this to fit the bar's int range
  int grooveWidth_ = 0;
  int paintedPixels_ = 0;
  int repaints_ = 0;
};

}  // namespace kz::app
