#include "job_image.h"

namespace vta::render {
namespace {

// Reverses the row order and swaps red and blue: the same operation turns
// top-down RGB into bottom-up BGR and back.
void flipRowsAndChannels(const uint8_t* from, uint8_t* to, uint32_t width, uint32_t height) {
  const size_t rowBytes = size_t(width) * 3;
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* p = from + (height - 1 - y) * rowBytes;
    uint8_t* q = to + y * rowBytes;
    for (uint32_t x = 0; x < width; ++x, p += 3, q += 3) q[0] = p[2], q[1] = p[1], q[2] = p[0];
  }
}

}  // namespace

JobImage::JobImage(const RgbPicture& picture)
    : width_(picture.width), height_(picture.height), bytes_(picture.rgb.size()) {
  flipRowsAndChannels(picture.rgb.data(), bytes_.data(), width_, height_);
}

JobImage::JobImage(uint32_t width, uint32_t height)
    : width_(width), height_(height), bytes_(size_t(width) * height * 3, 0) {}

void JobImage::describe(VtaTextureImage& image) {
  image = VtaTextureImage{};
  if (bytes_.empty()) return;
  vtaDescribeBgr24(&image, width_, height_, VTA_ROW_ALIGN_PACKED, bytes_.data());
}

RgbPicture JobImage::picture() const {
  RgbPicture out{width_, height_, std::vector<uint8_t>(bytes_.size())};
  flipRowsAndChannels(bytes_.data(), out.rgb.data(), width_, height_);
  return out;
}

void JobImage::readRgba(const uint8_t* rgba) {
  const size_t rowBytes = size_t(width_) * 3;
  for (uint32_t y = 0; y < height_; ++y) {
    const uint8_t* p = rgba + size_t(height_ - 1 - y) * width_ * 4;
    uint8_t* q = bytes_.data() + y * rowBytes;
    for (uint32_t x = 0; x < width_; ++x, p += 4, q += 3) q[0] = p[2], q[1] = p[1], q[2] = p[0];
  }
}

void JobImage::writeRgba(uint8_t* rgba) const {
  const size_t rowBytes = size_t(width_) * 3;
  for (uint32_t y = 0; y < height_; ++y) {
    const uint8_t* p = bytes_.data() + (height_ - 1 - y) * rowBytes;
    uint8_t* q = rgba + size_t(y) * width_ * 4;
    for (uint32_t x = 0; x < width_; ++x, p += 3, q += 4)
      q[0] = p[2], q[1] = p[1], q[2] = p[0], q[3] = 255;
  }
}

}  // namespace vta::render
