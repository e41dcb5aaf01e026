#include "rgb_picture.h"

#include <algorithm>
#include <cmath>

namespace vta::render {
namespace {

// Colour of source at (u, v) in pixel units, pixel centres at half steps,
// clamped to the picture.
void sample(const RgbPicture& source, float u, float v, uint8_t* out) {
  const float x = std::clamp(u - 0.5f, 0.0f, float(source.width - 1));
  const float y = std::clamp(v - 0.5f, 0.0f, float(source.height - 1));
  const uint32_t x0 = static_cast<uint32_t>(x), y0 = static_cast<uint32_t>(y);
  const uint32_t x1 = std::min(x0 + 1, source.width - 1), y1 = std::min(y0 + 1, source.height - 1);
  const float fx = x - x0, fy = y - y0;
  auto at = [&](uint32_t px, uint32_t py, int c) {
    return float(source.rgb[(size_t(py) * source.width + px) * 3 + c]);
  };
  for (int c = 0; c < 3; ++c) {
    const float top = at(x0, y0, c) + (at(x1, y0, c) - at(x0, y0, c)) * fx;
    const float bottom = at(x0, y1, c) + (at(x1, y1, c) - at(x0, y1, c)) * fx;
    out[c] = static_cast<uint8_t>(std::lround(top + (bottom - top) * fy));
  }
}

}  // namespace

RgbPicture fitPicture(const RgbPicture& source, uint32_t width, uint32_t height) {
  RgbPicture out;
  if (source.empty() || width == 0 || height == 0) return out;
  out.width = width;
  out.height = height;
  out.rgb.assign(size_t(width) * height * 3, 0);
  const double scale = std::min(double(width) / source.width, double(height) / source.height);
  const uint32_t w = std::clamp<uint32_t>(uint32_t(std::lround(source.width * scale)), 1, width);
  const uint32_t h = std::clamp<uint32_t>(uint32_t(std::lround(source.height * scale)), 1, height);
  const uint32_t left = (width - w) / 2, top = (height - h) / 2;
  if (w == source.width && h == source.height) {  // samples fall on pixel centres
    for (uint32_t y = 0; y < h; ++y)
      std::copy_n(&source.rgb[size_t(y) * w * 3], size_t(w) * 3,
                  &out.rgb[(size_t(top + y) * width + left) * 3]);
    return out;
  }
  const float stepX = float(source.width) / w, stepY = float(source.height) / h;
  for (uint32_t y = 0; y < h; ++y) {
    for (uint32_t x = 0; x < w; ++x) {
      uint8_t* pixel = &out.rgb[(size_t(top + y) * width + left + x) * 3];
      sample(source, (x + 0.5f) * stepX, (y + 0.5f) * stepY, pixel);
    }
  }
  return out;
}

RgbPicture pictureOfTexture(const VtaTextureImage& image) {
  RgbPicture out;
  if (!image.pixels || image.format != VTA_FORMAT_BGR24 ||
      image.bytesPerPixel != VTA_BGR24_PIXEL_BYTES || image.width == 0 || image.height == 0)
    return out;
  const uint64_t rowNeed = (uint64_t{image.skipPixels} + image.width) * 3;
  const uint64_t rows = uint64_t{image.skipRows} + image.height;
  if (rowNeed > image.rowBytes || rows * image.rowBytes > image.dataSize) return out;
  out.width = image.width;
  out.height = image.height;
  out.rgb.resize(size_t(out.width) * out.height * 3);
  for (uint32_t y = 0; y < out.height; ++y) {
    const uint32_t row = image.skipRows + (image.order == VTA_ORDER_BOTTOM_UP ? out.height - 1 - y : y);
    const uint8_t* from =
        image.pixels + size_t(row) * image.rowBytes + size_t(image.skipPixels) * 3;
    uint8_t* to = &out.rgb[size_t(y) * out.width * 3];
    for (uint32_t x = 0; x < out.width; ++x) {
      to[3 * x] = from[3 * x + 2];
      to[3 * x + 1] = from[3 * x + 1];
      to[3 * x + 2] = from[3 * x];
    }
  }
  return out;
}

}  // namespace vta::render
