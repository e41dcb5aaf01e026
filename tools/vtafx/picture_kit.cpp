#include "picture_kit.h"

#include <algorithm>

namespace vtafx::kit {

namespace {

int clampUnit(int t) { return std::clamp(t, 0, kUnit); }

uint32_t mixBits(uint32_t n) {
  n ^= n >> 16;
  n *= 0x7feb352du;
  n ^= n >> 15;
  n *= 0x846ca68bu;
  n ^= n >> 16;
  return n;
}

// kUnit * (3 t^2 - 2 t^3) for t = f / kUnit: eases a blend in and out.
int smooth(int f) {
  const int64_t t = f;
  return static_cast<int>(t * t * (3 * kUnit - 2 * t) / (int64_t{kUnit} * kUnit));
}

int gridValue(int cx, int cy, uint32_t seed) {
  return scatter(static_cast<uint32_t>(cx) * 73856093u ^ static_cast<uint32_t>(cy) * 19349663u ^
                 seed * 83492791u);
}

}  // namespace

Colour mix(Colour a, Colour b, int t) {
  t = clampUnit(t);
  return {a.r + (b.r - a.r) * t / kUnit, a.g + (b.g - a.g) * t / kUnit,
          a.b + (b.b - a.b) * t / kUnit};
}

Colour ramp(int at, int from, int to, Colour a, Colour b) {
  if (to == from) return at < from ? a : b;
  return mix(a, b, static_cast<int>(int64_t{at - from} * kUnit / (to - from)));
}

Colour scale(Colour c, int k) { return {c.r * k / kUnit, c.g * k / kUnit, c.b * k / kUnit}; }

int wave(int phase) {
  const int t = withinCell(phase, kUnit), half = kUnit / 2;
  // Two parabolic arches, the second upside down.
  const int64_t arch = t < half ? int64_t{t} * (half - t) : -int64_t{t - half} * (kUnit - t);
  return static_cast<int>(arch * 4 / kUnit);
}

int scatter(uint32_t n) { return static_cast<int>(mixBits(n) % kUnit); }

int cellOf(int at, int cell) { return at >= 0 ? at / cell : -((-at + cell - 1) / cell); }

int withinCell(int at, int cell) { return at - cellOf(at, cell) * cell; }

int noise(int x, int y, int cell, uint32_t seed) {
  const int cx = cellOf(x, cell), cy = cellOf(y, cell);
  const int fx = smooth(withinCell(x, cell) * kUnit / cell);
  const int fy = smooth(withinCell(y, cell) * kUnit / cell);
  const int top = gridValue(cx, cy, seed) +
                  (gridValue(cx + 1, cy, seed) - gridValue(cx, cy, seed)) * fx / kUnit;
  const int bottom = gridValue(cx, cy + 1, seed) +
                     (gridValue(cx + 1, cy + 1, seed) - gridValue(cx, cy + 1, seed)) * fx / kUnit;
  return top + (bottom - top) * fy / kUnit;
}

bool inDisc(int x, int y, int cx, int cy, int radius) {
  const int64_t dx = x - cx, dy = y - cy;
  return dx * dx + dy * dy <= int64_t{radius} * radius;
}

bool inEllipse(int x, int y, int cx, int cy, int rx, int ry) {
  const int64_t dx = int64_t{x - cx} * ry, dy = int64_t{y - cy} * rx;
  return dx * dx + dy * dy <= int64_t{rx} * rx * ry * ry;
}

bool inSpike(int x, int y, int left, int right, int baseY, int apexX, int apexY) {
  if (y > baseY || y < apexY) return false;
  const int64_t rise = baseY - y, height = baseY - apexY;
  const int64_t from = left + (apexX - left) * rise / height;
  const int64_t to = right + (apexX - right) * rise / height;
  return x >= from && x <= to;
}

}  // namespace vtafx::kit
