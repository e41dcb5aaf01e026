#include "mapped_frames.h"

#include <algorithm>
#include <new>

namespace rnd {

namespace {

// A picture the memory cannot hold is a file that cannot be read: the
// frame is drawn without it.
bool decodeWithin(MappedClip& clip, uint32_t index, MappedFrame& out) {
  try {
    return clip.decode(index, out);
  } catch (const std::bad_alloc&) {
    out = MappedFrame{};
    return false;
  }
}

}  // namespace

MappedFrames::Clip& MappedFrames::clip(vta::SurfaceMapping mapping, const std::string& path) {
  for (auto& c : clips_)
    if (c->mapping == mapping && c->path == path) return c->lastUse = frame_, *c;
  if (clips_.size() >= kMaxClips) {
    auto oldest = std::min_element(clips_.begin(), clips_.end(), [](const auto& a, const auto& b) {
      return a->lastUse < b->lastUse;
    });
    if ((*oldest)->lastUse < frame_) {
      forget(**oldest);
      clips_.erase(oldest);
    }
  }
  clips_.push_back(std::make_unique<Clip>(Clip{mapping, path, openMappedClip(mapping, path), frame_}));
  return *clips_.back();
}

void MappedFrames::forget(const Clip& clip) {
  auto gone = std::remove_if(frames_.begin(), frames_.end(), [&](const auto& f) {
    if (f->clip != &clip) return false;
    bytes_ -= f->picture.bytes();
    return true;
  });
  frames_.erase(gone, frames_.end());
}

void MappedFrames::makeRoom(size_t bytes) {
  while (bytes_ + bytes > kMaxBytes) {
    auto oldest = std::min_element(frames_.begin(), frames_.end(), [](const auto& a, const auto& b) {
      return a->lastUse < b->lastUse;
    });
    if (oldest == frames_.end() || (*oldest)->lastUse == frame_) return;
    bytes_ -= (*oldest)->picture.bytes();
    frames_.erase(oldest);
  }
}

const MappedFrame* MappedFrames::frame(vta::SurfaceMapping mapping, const std::string& path,
                                       uint32_t index) {
  Clip& c = clip(mapping, path);
  if (!c.source) return nullptr;
  index = std::min(index, c.source->frameCount() - 1);
  for (auto& f : frames_)
    if (f->clip == &c && f->index == index) return f->lastUse = frame_, &f->picture;
  auto decoded = std::make_unique<Decoded>(Decoded{&c, index, {}, frame_});
  if (!decodeWithin(*c.source, index, decoded->picture)) return nullptr;
  makeRoom(decoded->picture.bytes());
  bytes_ += decoded->picture.bytes();
  frames_.push_back(std::move(decoded));
  return &frames_.back()->picture;
}

}  // namespace rnd
