#pragma once
// The job's abort callback, asked often while a frame is drawn. Once it has
// answered yes, every later question answers yes without calling it.

#include "vantaro/renderer.h"

namespace rnd {

class AbortPoll {
 public:
  explicit AbortPoll(VtaAbortFunction callback) : callback_(callback) {}
  bool stopped() {
    if (!stopped_ && callback_ && callback_() != 0) stopped_ = true;
    return stopped_;
  }

 private:
  VtaAbortFunction callback_;
  bool stopped_ = false;
};

}  // namespace rnd
