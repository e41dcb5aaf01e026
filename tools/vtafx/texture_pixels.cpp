#include "texture_pixels.h"

namespace vtafx {

bool textureFromPicture(const Picture& picture, vta::TextureImage& image) {
  if (!image.describeBgr24(picture.width, picture.height, kTextureRowAlign)) return false;
  std::vector<uint8_t> rows(image.dataSize);
  for (uint32_t y = 0; y < picture.height; ++y) {
    const uint8_t* from = &picture.rgb[size_t{picture.height - 1 - y} * picture.width * 3];
    uint8_t* to = &rows[size_t{y} * image.rowBytes];
    for (uint32_t x = 0; x < picture.width; ++x) {
      to[3 * x] = from[3 * x + 2];
      to[3 * x + 1] = from[3 * x + 1];
      to[3 * x + 2] = from[3 * x];
    }
  }
  return image.takePixels(rows.data(), image.dataSize);
}

bool pictureFromTexture(const vta::TextureImage& image, Picture& out, std::string& error) {
  if (!image.pixels || image.format != VTA_FORMAT_BGR24 || image.bytesPerPixel != VTA_BGR24_PIXEL_BYTES ||
      image.width == 0 || image.height == 0) {
    error = "not a 24-bit colour texture with pixels";
    return false;
  }
  out.width = image.width;
  out.height = image.height;
  out.rgb.resize(size_t{out.width} * out.height * 3);
  for (uint32_t y = 0; y < out.height; ++y) {
    const uint32_t row = image.skipRows + (image.order == VTA_ORDER_BOTTOM_UP ? out.height - 1 - y : y);
    const uint8_t* from =
        image.pixels + size_t{row} * image.rowBytes + size_t{image.skipPixels} * 3;
    uint8_t* to = &out.rgb[size_t{y} * out.width * 3];
    for (uint32_t x = 0; x < out.width; ++x) {
      to[3 * x] = from[3 * x + 2];
      to[3 * x + 1] = from[3 * x + 1];
      to[3 * x + 2] = from[3 * x];
    }
  }
  return true;
}

}  // namespace vtafx
