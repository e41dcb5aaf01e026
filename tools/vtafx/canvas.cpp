#include "canvas.h"

#include <cstdlib>

namespace vtafx {

namespace {

// Segments a to g of each digit, bit 0 = a (top), then b (top right),
// c (bottom right), d (bottom), e (bottom left), f (top left), g (middle).
const uint8_t kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

}  // namespace

Canvas::Canvas(uint32_t width, uint32_t height, Rgb background) {
  picture_.width = width;
  picture_.height = height;
  picture_.rgb.resize(size_t{width} * height * 3);
  fillRect(0, 0, static_cast<int>(width), static_cast<int>(height), background);
}

void Canvas::plot(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= static_cast<int>(width()) || y >= static_cast<int>(height())) return;
  uint8_t* p =
      &picture_.rgb[(size_t{static_cast<uint32_t>(y)} * width() + static_cast<uint32_t>(x)) * 3];
  p[0] = colour.r;
  p[1] = colour.g;
  p[2] = colour.b;
}

void Canvas::fillRect(int x, int y, int w, int h, Rgb colour) {
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) plot(i, j, colour);
  }
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgb colour) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (int steps = 0; steps < 4096; ++steps) {  // bounded even for far-off points
    plot(x0, y0, colour);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) error += dy, x0 += sx;
    if (twice <= dx) error += dx, y0 += sy;
  }
}

void Canvas::digit(int value, int x, int y, int w, int h, int stroke, Rgb colour) {
  const uint8_t on = kSegments[value % 10];
  const int half = (h - stroke) / 2;
  if (on & 0x01) fillRect(x, y, w, stroke, colour);
  if (on & 0x02) fillRect(x + w - stroke, y, stroke, half + stroke, colour);
  if (on & 0x04) fillRect(x + w - stroke, y + half, stroke, h - half, colour);
  if (on & 0x08) fillRect(x, y + h - stroke, w, stroke, colour);
  if (on & 0x10) fillRect(x, y + half, stroke, h - half, colour);
  if (on & 0x20) fillRect(x, y, stroke, half + stroke, colour);
  if (on & 0x40) fillRect(x, y + half, w, stroke, colour);
}

Rgb hueColour(int hue, int brightness) {
  const int sector = (hue % 360) / 60, within = (hue % 60) * brightness / 60;
  const auto b = static_cast<uint8_t>(brightness);
  const auto up = static_cast<uint8_t>(within), down = static_cast<uint8_t>(brightness - within);
  switch (sector) {
    case 0: return {b, up, 0};
    case 1: return {down, b, 0};
    case 2: return {0, b, up};
    case 3: return {0, down, b};
    case 4: return {up, 0, b};
    default: return {b, 0, down};
  }
}

}  // namespace vtafx
