// A picture in the layout of every image of a render job: the 24-bit
// picture of vantaro.h (VTA_FORMAT_BGR24, VTA_ORDER_BOTTOM_UP), rows of
// exactly width x 3 bytes (VTA_ROW_ALIGN_PACKED). The same layout as the library's preview
// jobs, so a renderer plug-in meets nothing new in a host's final render.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rgb_picture.h"
#include "vantaro/renderer.h"

namespace vta::render {

class JobImage {
 public:
  JobImage() = default;
  explicit JobImage(const RgbPicture& picture);
  // Black pixels.
  JobImage(uint32_t width, uint32_t height);

  // Fills image to show this picture; its pixels stay ours (ownsPixels 0).
  // An empty picture leaves image without pixels.
  void describe(VtaTextureImage& image);
  RgbPicture picture() const;

  // Frames as video editors hand them over: RGBA, 4 bytes per pixel, top
  // row first, of this picture's size. readRgba takes the colours of one
  // (alpha is not kept); writeRgba gives this picture as one, opaque.
  void readRgba(const uint8_t* rgba);
  void writeRgba(uint8_t* rgba) const;

 private:
  uint32_t width_ = 0;
  uint32_t height_ = 0;
  std::vector<uint8_t> bytes_;
};

}  // namespace vta::render
