#pragma once
// One decoded picture of a mapped file (an AVI frame, a BMP or TGA file):
// three bytes per pixel in blue, green, red order, rows from the top, no
// padding. Every decoder checks a picture's size against the bounds here
// before it allocates its pixels.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rnd {

// A side longer than a picture may have (as for the job's sources), and the
// most pixels of one decoded picture: 16 Mpixels, 48 MiB of pixels.
constexpr uint32_t kMaxMappedSide = 8192;
constexpr uint64_t kMaxMappedPixels = uint64_t{1} << 24;

// True when a picture of width x height may be decoded.
inline bool mappedSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxMappedSide && height <= kMaxMappedSide &&
         uint64_t(width) * uint64_t(height) <= kMaxMappedPixels;
}

struct MappedFrame {
  uint32_t width = 0, height = 0;
  std::vector<uint8_t> bgr;

  // Sizes the pixels for width x height; false (and nothing allocated) when
  // the size is not allowed.
  bool allocate(int64_t wide, int64_t high);
  size_t bytes() const { return bgr.size(); }
};

}  // namespace rnd
