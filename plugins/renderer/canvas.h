#pragma once
// The working picture of a frame: colour and depth per sample, at the
// output size or, with antialiasing, twice it in both directions.

#include <vector>

#include "vec3.h"

namespace rnd {

struct Canvas {
  int width = 0, height = 0;
  std::vector<Vec3> colour;   // rows from the top
  std::vector<float> nearness;  // 1 / camera distance; 0 where nothing is drawn

  void reset(int w, int h) {
    width = w, height = h;
    colour.assign(size_t(w) * h, Vec3{});
    nearness.assign(size_t(w) * h, 0.0f);
  }
  void clearDepth() { nearness.assign(nearness.size(), 0.0f); }
};

}  // namespace rnd
