#include "mapped_frame.h"

namespace rnd {

bool MappedFrame::allocate(int64_t wide, int64_t high) {
  if (!mappedSizeAllowed(wide, high)) return false;
  width = static_cast<uint32_t>(wide);
  height = static_cast<uint32_t>(high);
  bgr.assign(size_t{width} * height * 3, 0);
  return true;
}

Picture MappedFrame::picture() const {
  VtaTextureImage image{};
  image.format = 2;
  image.order = 0;
  image.bytesPerPixel = 3;
  image.width = image.rowPixels = width;
  image.height = image.rowCount = height;
  image.rowBytes = width * 3;
  image.dataSize = static_cast<uint32_t>(bgr.size());
  image.pixels = const_cast<uint8_t*>(bgr.data());
  return Picture::of(image);
}

}  // namespace rnd
