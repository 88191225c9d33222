// Progress reporting of long operations.
//
// A long operation calls Start with its number of steps, Step after each step and Finish
// at its end. The window draws a bar from it; the core only reports.
#pragma once

#include <cstddef>

namespace kz {

class Progress {
 public:
  virtual ~Progress() = default;
  virtual void Start(std::size_t maximum) = 0;
  virtual void Step(std::size_t position) = 0;
  virtual void Finish() = 0;  // position back to 0
};

// A Progress that ignores every call.
Progress& NoProgress();

// Reports a pass over `total` steps about a thousand times, whatever its length, so that a
// pass over a million rows stays cheap for whoever draws the bar.
class StepReporter {
 public:
  StepReporter(Progress& progress, std::size_t total)
      : progress_(progress), stride_(total / 1024 > 1 ? total / 1024 : 1) {
    progress_.Start(total);
  }
  void At(std::size_t position) {
    if (position % stride_ == 0) progress_.Step(position);
  }
  void Finish() { progress_.Finish(); }

 private:
  Progress& progress_;
  std::size_t stride_;
};

}  // namespace kz
