#pragma once
// A context's mapped files: their clips, kept open, and their decoded
// frames, kept up to kMaxBytes of pixels so that a preview playing in a
// loop decodes each frame once. Frames least recently used go first, never
// those of the frame being drawn.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "mapped_clip.h"

namespace rnd {

class MappedFrames {
 public:
  // Pixel bytes of decoded frames kept between frames (the frames one
  // frame of the scene needs are kept even beyond it).
  static constexpr size_t kMaxBytes = size_t{64} << 20;
  // Files kept open; a file that cannot be read counts as one too.
  static constexpr size_t kMaxClips = 16;

  // Starts a new frame of the scene: from now on only the frames it asks
  // for are safe from being dropped.
  void beginFrame() { ++frame_; }
  // Frame index of the file at path for mapping (the clip's last frame
  // past its end); null when the file cannot be read. The picture stays
  // valid until the next beginFrame().
  const MappedFrame* frame(vta::SurfaceMapping mapping, const std::string& path, uint32_t index);

 private:
  struct Clip {
    vta::SurfaceMapping mapping;
    std::string path;
    std::unique_ptr<MappedClip> source;  // null: the file cannot be read
    uint64_t lastUse;
  };
  struct Decoded {
    const Clip* clip;
    uint32_t index;
    MappedFrame picture;
    uint64_t lastUse;
  };

  Clip& clip(vta::SurfaceMapping mapping, const std::string& path);
  void makeRoom(size_t bytes);
  void forget(const Clip& clip);

  std::vector<std::unique_ptr<Clip>> clips_;
  std::vector<std::unique_ptr<Decoded>> frames_;
  size_t bytes_ = 0;
  uint64_t frame_ = 1;
};

}  // namespace rnd
