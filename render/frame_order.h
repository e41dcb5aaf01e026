// The frames of a render handed on in order while several workers draw
// them: workers claim the next index, put back what they drew, and whoever
// completes the next frame in line hands it and any that waited after it to
// the sink, one call at a time. A worker may run at most `ahead` frames past
// the last one handed on, so few frames wait in memory.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>

#include "final_render.h"

namespace vta::render {

class FrameOrder {
 public:
  FrameOrder(uint32_t frames, uint32_t ahead, const std::atomic<bool>& cancel,
             const FrameSink& sink)
      : frames_(frames), ahead_(ahead), cancel_(cancel), sink_(sink) {}

  // The next frame to draw; false once every frame is claimed or the render
  // stops (cancelled or failed).
  bool claim(uint32_t& index);
  // A drawn frame, handed on in its turn; not after a cancel.
  void complete(Frame frame);
  // Stops the render as failed: no frame is claimed or handed on after it.
  void fail();
  // Read by the renderer's abort callback while a frame is drawn.
  bool stopping() const { return cancel_ || failed_; }
  RenderEnd end() const;

 private:
  void handOn(std::unique_lock<std::mutex>& lock);

  const uint32_t frames_, ahead_;
  const std::atomic<bool>& cancel_;
  const FrameSink& sink_;
  std::mutex mutex_;
  std::condition_variable turn_;
  std::map<uint32_t, Frame> waiting_;
  uint32_t claimed_ = 0, handed_ = 0;
  bool handing_ = false;
  std::atomic<bool> failed_{false};
};

}  // namespace vta::render
