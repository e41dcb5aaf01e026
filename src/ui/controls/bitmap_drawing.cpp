#include "ui/controls/bitmap_drawing.h"

namespace vta {

void drawStretchedBitmap(HDC dc, const RECT& area, const uint8_t* pixels, uint32_t width,
                         uint32_t height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(bitmapRowBytes(width) * height);
  const int mode = SetStretchBltMode(dc, HALFTONE);
  POINT origin;
  SetBrushOrgEx(dc, 0, 0, &origin);
  StretchDIBits(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, 0, 0,
                info.bmiHeader.biWidth, info.bmiHeader.biHeight, pixels, &info, DIB_RGB_COLORS,
                SRCCOPY);
  SetStretchBltMode(dc, mode);
  SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
}

}  // namespace vta
