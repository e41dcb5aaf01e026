#include "curves/key_editing.h"

#include <cmath>

namespace vta {

int percentOfTime(float t) {
  if (!(t > 0.0f)) return 0;
  if (t >= 1.0f) return 100;
  return static_cast<int>(0.5f + 100.0f * t);
}

float snapToStep(double value, float step) {
  const double perStep = 1.0 / step;
  return static_cast<float>(std::floor((value + step / 2.0) * perStep) / perStep);
}

}  // namespace vta
