#include "ripple_math.h"

#include <cmath>
#include <cstddef>

namespace ripple {

namespace {

constexpr float kTwoPi = 6.28318530718f;

const uint8_t* pixelAt(const VtaWarpImage& image, int x, int y) {
  x = x < 0 ? 0 : (x >= int(image.width) ? int(image.width) - 1 : x);
  y = y < 0 ? 0 : (y >= int(image.height) ? int(image.height) - 1 : y);
  return image.top + ptrdiff_t(y) * image.rowStep + 3 * x;
}

// floor(f) for the coordinates of a picture (far inside the int range),
// without a library call per pixel.
int floorToInt(float f) {
  int i = static_cast<int>(f);
  return f < i ? i - 1 : i;
}

void sample(const VtaWarpImage& image, float fx, float fy, uint8_t* out) {
  fx = fx * image.width - 0.5f, fy = fy * image.height - 0.5f;
  if (!(fx > -1e6f && fx < 1e6f && fy > -1e6f && fy < 1e6f)) fx = fy = 0;
  int ix = floorToInt(fx), iy = floorToInt(fy);
  float ax = fx - ix, ay = fy - iy;
  const uint8_t *a = pixelAt(image, ix, iy), *b = pixelAt(image, ix + 1, iy);
  const uint8_t *c = pixelAt(image, ix, iy + 1), *d = pixelAt(image, ix + 1, iy + 1);
  // All reads before the writes: out may share memory with the source as
  // far as the compiler knows, and would otherwise reload every byte.
  uint8_t blended[3];
  for (int k = 0; k < 3; ++k) {
    float top = a[k] + (b[k] - a[k]) * ax, bottom = c[k] + (d[k] - c[k]) * ax;
    blended[k] = static_cast<uint8_t>(top + (bottom - top) * ay + 0.5f);
  }
  out[0] = blended[0], out[1] = blended[1], out[2] = blended[2];
}

}  // namespace

Settings settingsFrom(float amount, unsigned count, const float* values) {
  Settings s{amount, 6.0f, 0.5f, 0.5f};
  if (!values) count = 0;
  if (count > 0) s.waves = values[0];
  if (count > 1) s.centreX = values[1];
  if (count > 2) s.centreY = values[2];
  if (!(s.amount > 0)) s.amount = 0;
  if (s.amount > 1) s.amount = 1;
  return s;
}

void mapPoint(const Settings& s, float& x, float& y) {
  float dx = x - s.centreX, dy = y - s.centreY;
  float r = std::sqrt(dx * dx + dy * dy);
  if (r < 1e-6f) return;
  float shift = s.amount * kMaxShift * std::sin(kTwoPi * s.waves * r);
  x += dx / r * shift;
  y += dy / r * shift;
}

void warpPicture(const Settings& s, const VtaWarpImage& source, VtaWarpImage& target) {
  for (uint32_t y = 0; y < target.height; ++y) {
    uint8_t* row = target.top + ptrdiff_t(y) * target.rowStep;
    for (uint32_t x = 0; x < target.width; ++x) {
      float u = (x + 0.5f) / target.width, v = (y + 0.5f) / target.height;
      mapPoint(s, u, v);
      sample(source, u, v, row + 3 * x);
    }
  }
}

}  // namespace ripple
