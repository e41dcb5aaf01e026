#include "view_blit.h"

#include <cstddef>
#include <vector>

#include "output_image.h"
// Last: <windows.h> defines near and far, names of the camera's fields.
#include <windows.h>

namespace rnd {

bool blitToDevice(void* deviceContext, const FrameImage& image) {
  if (!deviceContext || image.width <= 0 || image.height <= 0) return false;
  const size_t rowBytes = (size_t(image.width) * 3 + 3) & ~size_t{3};
  // A bottom-up DIB: blue, green, red, rows padded to 4 bytes.
  std::vector<uint8_t> bits(rowBytes * image.height);
  storeRows(image, &bits[rowBytes * (image.height - 1)], -static_cast<ptrdiff_t>(rowBytes));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = image.height;  // positive: bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const UINT height = static_cast<UINT>(image.height);
  return SetDIBitsToDevice(static_cast<HDC>(deviceContext), 0, 0, image.width, height, 0, 0, 0,
                           height, bits.data(), &info, DIB_RGB_COLORS) != 0;
}

}  // namespace rnd
