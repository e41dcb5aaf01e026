#pragma once
// Read access to a 24-bit picture (texture, video source): format 2, three
// bytes per pixel in blue, green, red order, rows bottom-up (order 1) or
// top-down (order 0). Coordinates u, v run from 0 to 1, v from the top;
// outside they are clamped to the edge.

#include <cstddef>
#include <cstdint>

#include "vantaro/vantaro.h"
#include "vec3.h"

namespace rnd {

class Picture {
 public:
  Picture() = default;
  // An empty picture when the image has no pixels or its layout does not fit
  // in its buffer.
  static Picture of(const VtaTextureImage& image);

  bool empty() const { return top_ == nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Colour (0 to 1 per channel) of pixel x, y counted from the top left;
  // both must be inside the picture.
  Vec3 pixel(int x, int y) const {
    const uint8_t* p = top_ + y * step_ + 3 * x;
    return Vec3{float(p[2]), float(p[1]), float(p[0])} * (1.0f / 255.0f);
  }
  Vec3 nearest(float u, float v) const;
  Vec3 bilinear(float u, float v) const;

 private:
  const uint8_t* top_ = nullptr;  // first byte of the top row
  ptrdiff_t step_ = 0;            // bytes from one row to the one below
  int width_ = 0, height_ = 0;
};

}  // namespace rnd
