#pragma once
// A picture in memory (icons, textures, preview sources, render output),
// laid out exactly as VtaTextureImage so hosts and renderers read it directly.

#include <cstdint>

namespace vta {

// Pictures larger than this in either direction are refused when loaded.
constexpr uint32_t kMaxImageSide = 8192;

struct TextureImage {
  char* name;
  uint8_t format;
  uint8_t order;
  uint8_t bytesPerPixel;
  uint8_t rowAlign;
  uint32_t width;
  uint32_t height;
  uint32_t rowPixels;
  uint32_t rowCount;
  uint32_t skipRows;
  uint32_t skipPixels;
  float imageReals[4];
  uint32_t imageWord;
  uint8_t* pixels;
  uint32_t ownsPixels;
  uint32_t reservedWords[2];
  float reservedReals[2];
  uint32_t rowBytes;
  uint32_t dataSize;

  TextureImage();
  ~TextureImage() { clear(); }
  TextureImage(const TextureImage&) = delete;
  TextureImage& operator=(const TextureImage&) = delete;

  // Releases the name and any owned pixels and zeroes every field.
  void clear();
  // Makes this an independent copy of source (name, sizes, layout, pixels).
  void copyFrom(const TextureImage& source);
  // rowBytes = rowPixels x bytesPerPixel rounded up to rowAlign, dataSize =
  // rowCount x rowBytes. With rowAlign 0 both keep their values. Returns
  // false, leaving both unchanged, when the sizes exceed kMaxImageSide or
  // the result would not fit in 32 bits.
  bool computeRowLayout();
  // The 24-bit picture of render jobs (VTA_FORMAT_BGR24 in vantaro.h),
  // width x height with rows padded to rowAlign, without pixels.
  bool describeBgr24(uint32_t pictureWidth, uint32_t pictureHeight, uint8_t align);
  // Replaces the pixels with a copy of dataSize bytes from data. Returns
  // false (leaving the image without pixels) when fewer than dataSize bytes
  // are available or memory runs out.
  bool takePixels(const uint8_t* data, uint32_t available);
  void setName(const char* text);

  // Releases owned pixels; the image keeps its sizes.
  void releasePixels();
};

// Images held by pointer in records (textures) live in process-heap memory.
TextureImage* newTextureImage();
void deleteTextureImage(TextureImage* image);

}  // namespace vta
