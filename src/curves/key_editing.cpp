#include "curves/key_editing.h"

#include <algorithm>
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

float steppedTime(double fraction, double steps) {
  return static_cast<float>(std::floor(fraction * steps + 0.5) / steps);
}

bool steppedTimeBetween(double fraction, double steps, float before, float after, float& time) {
  double lowest = std::floor(before * steps), highest = std::ceil(after * steps);
  while (static_cast<float>(lowest / steps) <= before) ++lowest;
  while (static_cast<float>(highest / steps) >= after) --highest;
  if (lowest > highest) return false;
  time = static_cast<float>(std::clamp(std::floor(fraction * steps + 0.5), lowest, highest) / steps);
  return true;
}

}  // namespace vta
