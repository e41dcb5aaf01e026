// Pixels as the UI tests read them: what the screen shows of a control, or
// what was drawn into a canvas of the test's own.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace vta::test {

struct Pixels {
  int width = 0, height = 0;
  std::vector<COLORREF> colours;

  COLORREF at(int x, int y) const { return colours[y * width + x]; }
  static Pixels from(HDC dc, int width, int height) {
    Pixels p{width, height, {}};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) p.colours.push_back(GetPixel(dc, x, y));
    }
    return p;
  }
  // The row of each pixel at least inset from every side for which test holds.
  std::vector<int> rows(const std::function<bool(COLORREF)>& test, int inset = 0) const {
    std::vector<int> found;
    for (int y = inset; y < height - inset; ++y) {
      for (int x = inset; x < width - inset; ++x) {
        if (test(at(x, y))) found.push_back(y);
      }
    }
    return found;
  }
  // Black pixels of the top row, where a focus rectangle's dotted line runs.
  int topRowBlacks() const {
    int n = 0;
    for (int x = 0; x < width; ++x) n += at(x, 0) == RGB(0, 0, 0) ? 1 : 0;
    return n;
  }
};

// A bitmap in the screen's format, selected into a memory DC while it lives.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  RECT area() const { return {0, 0, width_, height_}; }
  Pixels pixels() const { return Pixels::from(dc_, width_, height_); }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

// What the screen shows of control once its dialog has painted.
inline Pixels screenPixels(HWND control) {
  RedrawWindow(GetParent(control), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT r;
  GetWindowRect(control, &r);
  Canvas copy(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  BitBlt(copy.dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return copy.pixels();
}

// What the screen shows at point of window's client area.
inline COLORREF screenColourAt(HWND window, POINT point) {
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

}  // namespace vta::test
