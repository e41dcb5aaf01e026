#pragma once
// While a FailingSaves object lives, every save of the program fails at one
// step: from the n-th time that step is reached on (counting from 1), as if
// the system had refused it.

#include "platform/safe_save.h"

namespace vta {

class FailingSaves {
 public:
  explicit FailingSaves(SaveStep step, int fromOccurrence = 1) {
    step_ = step;
    remaining_ = fromOccurrence;
    g_saveStepFails = &fails;
  }
  ~FailingSaves() { g_saveStepFails = nullptr; }
  FailingSaves(const FailingSaves&) = delete;
  FailingSaves& operator=(const FailingSaves&) = delete;

 private:
  static bool fails(SaveStep step) { return step == step_ && --remaining_ <= 0; }

  static inline SaveStep step_ = SaveStep::kOpen;
  static inline int remaining_ = 0;
};

}  // namespace vta
