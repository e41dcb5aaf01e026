// Pictures as the host handles them: 8-bit RGB, 3 bytes per pixel, top row
// first. Video sources come in this form and rendered frames go out in it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "vantaro/vantaro.h"

namespace vta::render {

struct RgbPicture {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> rgb;

  bool empty() const { return width == 0 || height == 0; }
};

// A black width x height picture with source scaled into it as large as it
// fits without changing its aspect, centred (bilinear filtering). The
// renderer stretches each source over the whole frame, so a source must
// have the frame's aspect already; an empty source gives an empty picture.
RgbPicture fitPicture(const RgbPicture& source, uint32_t width, uint32_t height);

// A 24-bit texture (VTA_FORMAT_BGR24, bottom-up with VTA_ORDER_BOTTOM_UP,
// else top-down) as a picture; empty when the image is of another kind, has no
// pixels or its rows do not lie inside its buffer.
RgbPicture pictureOfTexture(const VtaTextureImage& image);

}  // namespace vta::render
