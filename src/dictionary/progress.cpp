#include "progress.h"

namespace kz {

namespace {

class NullProgress final : public Progress {
 public:
  void Start(std::size_t) override {}
  void Step(std::size_t) override {}
  void Finish() override {}
};

}  // namespace

Progress& NoProgress() {
  static NullProgress progress;
  return progress;
}

}  // namespace kz
