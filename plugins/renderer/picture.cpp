#include "picture.h"

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

}  // namespace rnd
