#include "model/files/image_pixels.h"

namespace vta {

namespace {

// True when size units starting at start stay within limit; written as
// subtractions so nothing can wrap.
bool fitsFrom(uint32_t start, uint32_t size, uint32_t limit) {
  return start <= limit && size <= limit - start;
}

// The buffer is rowCount rows of rowBytes bytes, each long enough for
// rowPixels pixels, and the picture lies inside it.
bool layoutHoldsPicture(const TextureImage& image) {
  const uint64_t rowData = static_cast<uint64_t>(image.rowPixels) * image.bytesPerPixel;
  const uint64_t total = static_cast<uint64_t>(image.rowBytes) * image.rowCount;
  return image.width <= kMaxImageSide && image.height <= kMaxImageSide &&
         rowData <= image.rowBytes && total == image.dataSize &&
         fitsFrom(image.skipPixels, image.width, image.rowPixels) &&
         fitsFrom(image.skipRows, image.height, image.rowCount);
}

}  // namespace

bool takeImagePixels(TextureImage& image, const uint8_t* data, uint32_t available) {
  image.releasePixels();
  if (!image.computeRowLayout() || !layoutHoldsPicture(image)) return false;
  return image.takePixels(data, available);
}

}  // namespace vta
