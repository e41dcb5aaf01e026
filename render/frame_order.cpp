#include "frame_order.h"

#include <chrono>

namespace vta::render {

bool FrameOrder::claim(uint32_t& index) {
  std::unique_lock<std::mutex> lock(mutex_);
  // A cancel comes from outside without a notice: look again now and then.
  while (!stopping() && claimed_ >= handed_ + ahead_)
    turn_.wait_for(lock, std::chrono::milliseconds(20));
  if (stopping() || claimed_ >= frames_) return false;
  index = claimed_++;
  return true;
}

void FrameOrder::complete(Frame frame) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (stopping()) return turn_.notify_all();
  waiting_.emplace(frame.index, std::move(frame));
  if (!handing_) handOn(lock);
}

// Runs with the lock held except while the sink takes a frame; handing_
// keeps a second worker from handing on meanwhile, so the sink sees one
// frame at a time, in order.
void FrameOrder::handOn(std::unique_lock<std::mutex>& lock) {
  handing_ = true;
  for (auto next = waiting_.find(handed_); next != waiting_.end() && !stopping();
       next = waiting_.find(handed_)) {
    Frame frame = std::move(next->second);
    waiting_.erase(next);
    lock.unlock();
    const bool taken = sink_.take(frame);
    lock.lock();
    if (!taken) failed_ = true;
    ++handed_;
    turn_.notify_all();
  }
  handing_ = false;
  if (stopping()) waiting_.clear();
}

void FrameOrder::fail() {
  std::lock_guard<std::mutex> lock(mutex_);
  failed_ = true;
  turn_.notify_all();
}

RenderEnd FrameOrder::end() const {
  if (failed_) return RenderEnd::failed;
  if (handed_ == frames_) return RenderEnd::finished;
  return cancel_ ? RenderEnd::cancelled : RenderEnd::failed;
}

}  // namespace vta::render
