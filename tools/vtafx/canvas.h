#pragma once
// A small RGB drawing surface for the tool's generated pictures (preview
// placeholders, effect icons): filled rectangles, lines and 7-segment digits.

#include <cstdint>

#include "image_io.h"

namespace vtafx {

struct Rgb {
  uint8_t r, g, b;
};

class Canvas {
 public:
  Canvas(uint32_t width, uint32_t height, Rgb background);

  uint32_t width() const { return picture_.width; }
  uint32_t height() const { return picture_.height; }
  const Picture& picture() const { return picture_; }

  // Points outside the canvas are skipped.
  void plot(int x, int y, Rgb colour);
  void fillRect(int x, int y, int w, int h, Rgb colour);
  void line(int x0, int y0, int x1, int y1, Rgb colour);
  // A digit 0-9 in a box of w x h pixels with strokes `stroke` wide.
  void digit(int value, int x, int y, int w, int h, int stroke, Rgb colour);

 private:
  Picture picture_;
};

// A fully saturated colour of the given hue (0 to 359 degrees), at the
// given brightness (0 to 255).
Rgb hueColour(int hue, int brightness);

}  // namespace vtafx
