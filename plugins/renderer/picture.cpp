#include "picture.h"

#include <cmath>

namespace rnd {

namespace {

constexpr uint64_t kMaxSide = 8192;

bool layoutFits(const VtaTextureImage& image) {
  if (!image.pixels || image.format != 2 || image.bytesPerPixel != 3) return false;
  if (image.width == 0 || image.height == 0) return false;
  if (image.width > kMaxSide || image.height > kMaxSide) return false;
  uint64_t rowNeed = (uint64_t{image.skipPixels} + image.width) * 3;
  uint64_t rows = uint64_t{image.skipRows} + image.height;
  return rowNeed <= image.rowBytes && rows * image.rowBytes <= image.dataSize;
}

int clampIndex(int i, int size) { return i < 0 ? 0 : (i >= size ? size - 1 : i); }

// Index of the pixel under coordinate f (0 to size), clamped; NaN gives 0.
int pixelIndex(float f, int size) {
  if (!(f >= 0)) return 0;
  return f >= size ? size - 1 : static_cast<int>(f);
}

}  // namespace

Picture Picture::of(const VtaTextureImage& image) {
  Picture picture;
  if (!layoutFits(image)) return picture;
  picture.width_ = static_cast<int>(image.width);
  picture.height_ = static_cast<int>(image.height);
  ptrdiff_t row = image.rowBytes;
  const uint8_t* first = image.pixels + image.skipRows * row + image.skipPixels * 3;
  bool bottomUp = image.order == 1;
  picture.top_ = bottomUp ? first + (picture.height_ - 1) * row : first;
  picture.step_ = bottomUp ? -row : row;
  return picture;
}

Vec3 Picture::nearest(float u, float v) const {
  return pixel(pixelIndex(u * width_, width_), pixelIndex(v * height_, height_));
}

Vec3 Picture::bilinear(float u, float v) const {
  float fx = u * width_ - 0.5f, fy = v * height_ - 0.5f;
  if (!(fx > -1e6f && fx < 1e6f && fy > -1e6f && fy < 1e6f)) return nearest(0, 0);
  float x0f = std::floor(fx), y0f = std::floor(fy);
  float ax = fx - x0f, ay = fy - y0f;
  int x0 = static_cast<int>(x0f), y0 = static_cast<int>(y0f);
  int xa = clampIndex(x0, width_), xb = clampIndex(x0 + 1, width_);
  int ya = clampIndex(y0, height_), yb = clampIndex(y0 + 1, height_);
  Vec3 top = pixel(xa, ya) * (1 - ax) + pixel(xb, ya) * ax;
  Vec3 bottom = pixel(xa, yb) * (1 - ax) + pixel(xb, yb) * ax;
  return top * (1 - ay) + bottom * ay;
}

}  // namespace rnd
