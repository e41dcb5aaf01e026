// Files mapped onto objects: BMP and TGA pictures (stb_image within the
// renderer's bounds) and video clips (the platform's decoder).
#include <algorithm>

#include "fuzz_entries.h"
#include "mapped_clip.h"
#include "scratch_file.h"

namespace vta::fuzz {

namespace {

bool wellFormed(const rnd::MappedFrame& frame) {
  return rnd::mappedSizeAllowed(frame.width, frame.height) &&
         frame.bgr.size() == size_t{frame.width} * frame.height * 3;
}

}  // namespace

// A picture that decodes has a size within the bounds and all its pixels.
bool readMappedPicture(const uint8_t* data, size_t size) {
  ScratchFiles files;
  rnd::MappedFrame frame;
  return !rnd::decodeImageFile(files.input(data, size), frame) || wellFormed(frame);
}

// The first frames of a clip that opens, and its last.
bool readMappedClip(const uint8_t* data, size_t size) {
  ScratchFiles files;
  std::unique_ptr<rnd::MappedClip> clip = rnd::openVideoClip(files.input(data, size));
  if (!clip) return true;
  const uint32_t count = clip->frameCount();
  for (uint32_t i : {0u, 1u, 2u, count - 1}) {
    rnd::MappedFrame frame;
    if (i < count && clip->decode(i, frame) && !wellFormed(frame)) return false;
  }
  return true;
}

}  // namespace vta::fuzz
