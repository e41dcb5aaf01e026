#include "model/texture_image.h"

#include "model/owned_text.h"
#include "platform/memory.h"
#include "vantaro/vantaro.h"

#include <new>

namespace vta {

TextureImage::TextureImage() { fillBytes(this, 0, sizeof *this); }

void TextureImage::releasePixels() {
  if (ownsPixels) release(pixels);
  pixels = nullptr;
  ownsPixels = 0;
}

void TextureImage::clear() {
  release(name);
  releasePixels();
  fillBytes(this, 0, sizeof *this);
}

void TextureImage::setName(const char* text) { replaceText(name, text); }

void TextureImage::copyFrom(const TextureImage& source) {
  if (&source == this) return;
  clear();
  setName(source.name);
  format = source.format;
  order = source.order;
  bytesPerPixel = source.bytesPerPixel;
  rowAlign = source.rowAlign;
  width = source.width;
  height = source.height;
  rowPixels = source.rowPixels;
  rowCount = source.rowCount;
  skipRows = source.skipRows;
  skipPixels = source.skipPixels;
  copyBytes(imageReals, source.imageReals, sizeof imageReals);
  imageWord = source.imageWord;
  copyBytes(reservedWords, source.reservedWords, sizeof reservedWords);
  copyBytes(reservedReals, source.reservedReals, sizeof reservedReals);
  rowBytes = source.rowBytes;
  dataSize = source.dataSize;
  if (source.pixels) takePixels(source.pixels, source.dataSize);
}

bool TextureImage::computeRowLayout() {
  if (rowAlign == 0) return true;
  if (width > kMaxImageSide || height > kMaxImageSide || rowPixels > kMaxImageSide ||
      rowCount > kMaxImageSide) {
    return false;
  }
  const uint64_t rowData = static_cast<uint64_t>(rowPixels) * bytesPerPixel;
  const uint64_t aligned = (rowData + rowAlign - 1) / rowAlign * rowAlign;
  const uint64_t total = aligned * rowCount;
  if (total > UINT32_MAX) return false;
  rowBytes = static_cast<uint32_t>(aligned);
  dataSize = static_cast<uint32_t>(total);
  return true;
}

bool TextureImage::describeBgr24(uint32_t pictureWidth, uint32_t pictureHeight,
                                 uint8_t align) {
  format = VTA_FORMAT_BGR24;
  order = VTA_ORDER_BOTTOM_UP;
  bytesPerPixel = VTA_BGR24_PIXEL_BYTES;
  rowAlign = align;
  width = rowPixels = pictureWidth;
  height = rowCount = pictureHeight;
  return computeRowLayout();
}

bool TextureImage::takePixels(const uint8_t* data, uint32_t available) {
  releasePixels();
  if (!data || dataSize == 0 || dataSize > available) return false;
  pixels = static_cast<uint8_t*>(allocate(dataSize));
  if (!pixels) return false;
  copyBytes(pixels, data, dataSize);
  ownsPixels = 1;
  return true;
}

TextureImage* newTextureImage() {
  void* memory = allocate(sizeof(TextureImage));
  return memory ? new (memory) TextureImage() : nullptr;
}

void deleteTextureImage(TextureImage* image) {
  if (!image) return;
  image->~TextureImage();
  release(image);
}

}  // namespace vta
