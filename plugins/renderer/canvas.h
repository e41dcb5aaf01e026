#pragma once
// The working picture of a frame: colour and depth per sample, at the
// output size or, with antialiasing, factor x factor samples per pixel.

#include <vector>

#include "vec3.h"

namespace rnd {

struct Canvas {
  static constexpr int kMaxFactor = 2;
  int width = 0, height = 0;    // in samples
  int factor = 1;               // samples per output pixel side: 1 or kMaxFactor
  std::vector<Vec3> colour;     // rows from the top
  std::vector<float> nearness;  // 1 / camera distance; 0 where nothing is drawn

  // Sizes the canvas for an output of w x h pixels; the contents are left
  // to the next pass, which paints every sample.
  void reset(int w, int h, int samplesPerSide) {
    factor = samplesPerSide, width = w * factor, height = h * factor;
    colour.resize(size_t(width) * height);
    nearness.resize(size_t(width) * height);
  }
  void clearDepth() { nearness.assign(nearness.size(), 0.0f); }

  // Output pixels, for what is flat across a pixel (the picture behind
  // the scene): painted once per pixel rather than per sample.
  int pixelsWide() const { return width / factor; }
  int pixelsHigh() const { return height / factor; }
  void setPixel(int x, int y, Vec3 c) {
    for (int sy = 0; sy < factor; ++sy)
      for (int sx = 0; sx < factor; ++sx) at(x, y, sx, sy) = c;
  }
  // True when something is drawn on every sample of the pixel.
  bool covered(int x, int y) const {
    for (int sy = 0; sy < factor; ++sy)
      for (int sx = 0; sx < factor; ++sx)
        if (nearness[index(x, y, sx, sy)] == 0) return false;
    return true;
  }
  // Scales the pixel's samples that nothing is drawn on.
  void scaleEmptySamples(int x, int y, float s) {
    for (int sy = 0; sy < factor; ++sy)
      for (int sx = 0; sx < factor; ++sx) {
        const size_t i = index(x, y, sx, sy);
        if (nearness[i] == 0) colour[i] = colour[i] * s;
      }
  }

 private:
  size_t index(int x, int y, int sx, int sy) const {
    return size_t(y * factor + sy) * width + x * factor + sx;
  }
  Vec3& at(int x, int y, int sx, int sy) { return colour[index(x, y, sx, sy)]; }
};

}  // namespace rnd
