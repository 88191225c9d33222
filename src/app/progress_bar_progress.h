// kz::Progress drawn on the window's progress bar.
//
// Every step sets the bar's value; the bar is repainted at once, without the event loop,
// only when its filled part grows by at least one pixel and at most once a frame (16 ms):
// a change shown sooner than the screen refreshes is never seen, and a short operation
// should not spend its time drawing the bar.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressBar>

#include "dictionary/progress.h"

namespace kz::app {

class ProgressBarProgress final : public Progress {
 public:
  // `frameMs` 0 repaints on every visible change (for tests).
  explicit ProgressBarProgress(QProgressBar* bar, int frameMs = 16)
      : bar_(bar), frameMs_(frameMs) {}

  void Start(std::size_t maximum) override;
  void Step(std::size_t position) override;
  void Finish() override;

  int repaints() const { return repaints_; }  // for tests and benchmarks

 private:
  int FilledPixels(std::size_t position) const;

  QPointer<QProgressBar> bar_;
  int frameMs_;
  QElapsedTimer sinceRepaint_;
  std::size_t maximum_ = 0;
  int scale_ = 1;  // positions are divided by this to fit the bar's int range
  int grooveWidth_ = 0;
  int paintedPixels_ = 0;
  int repaints_ = 0;
};

}  // namespace kz::app
