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

}  // namespace kz
