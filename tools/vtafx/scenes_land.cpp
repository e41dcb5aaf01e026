// Scenes on land: mountains, forest, desert, flowers, lavender, autumn,
// snow and farm hills.
#include <cstdlib>
#include <initializer_list>

#include "source_scenes.h"

namespace vtafx::scenes {

using namespace kit;

namespace {

// Height (y) of a ridge of sharp peaks: a saw-tooth of period `period`,
// each tooth `tall` high and roughened by noise.
int peaks(int x, int base, int tall, int period, uint32_t seed) {
  const int within = withinCell(x + scatter(seed) % period, period);
  const int tooth = std::abs(within - period / 2) * 2 * tall / period;
  return base - tall + tooth + noise(x, 0, 180, seed) / 24;
}

// Height of a rolling hill line.
int hills(int x, int base, int tall, int stretch, int shift) {
  return base - tall * wave(x * 1000 / stretch + shift) / kUnit;
}

// A pine tree: a stack of three triangles on a short trunk.
bool inPine(int x, int y, int cx, int foot, int height) {
  const int w = height / 3;
  for (int k = 0; k < 3; ++k) {
    const int top = foot - height + k * height / 4, bottom = top + height / 2;
    if (inSpike(x, y, cx - w + (2 - k) * w / 8, cx + w - (2 - k) * w / 8, bottom, cx, top))
      return true;
  }
  return std::abs(x - cx) < height / 20 && y > foot - height / 6 && y <= foot;
}

Colour blueSky(int y, int horizon) { return ramp(y, 0, horizon, {50, 120, 215}, {175, 215, 245}); }

}  // namespace

Colour mountainValley(int x, int y) {
  const int far = peaks(x, 1900, 1100, 1500, 11), near = peaks(x, 2500, 700, 1100, 12);
  const int meadow = hills(x, 3100, 150, 2500, 300);
  if (y >= meadow) return ramp(y, meadow, kUnit, {100, 180, 70}, {40, 120, 40});
  if (y >= near) return ramp(y, near, meadow, {60, 110, 80}, {80, 150, 70});
  if (y >= far)  // the far range, snow on its peaks
    return y < 1150 + noise(x, 0, 240, 13) / 10
               ? Colour{250, 250, 255}
               : ramp(y, far, 2400, {140, 150, 180}, {90, 110, 140});
  if (inDisc(x, y, 900, 700, 260)) return {255, 250, 220};
  return blueSky(y, 2000);
}

Colour forest(int x, int y) {
  const int horizon = 2200;
  Colour back = y < horizon ? ramp(y, 0, horizon, {150, 200, 230}, {230, 240, 220})
                            : ramp(y, horizon, kUnit, {60, 110, 50}, {30, 70, 30});
  // Three rows of pines, further rows paler and smaller.
  const Colour rows[3] = {{110, 160, 130}, {50, 110, 70}, {16, 64, 34}};
  for (int row = 0; row < 3; ++row) {
    const int spacing = 520 + row * 260, height = 1100 + row * 700;
    const int foot = horizon + 250 + row * 650;
    const int c = cellOf(x + row * 170, spacing);
    for (int k = c - 1; k <= c + 1; ++k) {
      const int cx = k * spacing + spacing / 2 - row * 170 + scatter(k * 7 + row) % (spacing / 3);
      const int h = height * (3 + scatter(k * 13 + row) % kUnit * 2 / kUnit) / 4;
      if (inPine(x, y, cx, foot, h)) back = rows[row];
    }
  }
  return back;
}

// A saguaro: a column with one arm raised on each side.
bool inCactus(int x, int y, int cx, int foot, int tall) {
  const int w = tall / 14, armY = foot - tall / 2;
  if (std::abs(x - cx) < w && y > foot - tall && y <= foot) return true;
  for (int side : {-1, 1}) {
    const int armX = cx + side * tall / 4;
    if (std::abs(y - armY) < w * 3 / 4 && (x - cx) * side > 0 && (armX - x) * side > 0) return true;
    if (std::abs(x - armX) < w * 3 / 4 && y <= armY && y > armY - tall / 4 - side * tall / 10)
      return true;
  }
  return false;
}

Colour desert(int x, int y) {
  const int horizon = 2000;
  if (inCactus(x, y, 1000, 3300, 1700)) return {50, 120, 60};
  if (y < horizon) {
    if (inDisc(x, y, 3000, 800, 380)) return {255, 250, 215};
    return ramp(y, 0, horizon, {110, 170, 225}, {245, 220, 170});
  }
  // Dunes, each lit on the side facing the sun and shaded on the other.
  for (int layer = 2; layer >= 0; --layer) {
    const int stretch = 1800 + layer * 600, shift = layer * 900;
    const int top = hills(x, horizon + 350 + layer * 600, 260, stretch, shift);
    if (y < top) continue;
    const bool lit = hills(x + 40, 0, 260, stretch, shift) > hills(x, 0, 260, stretch, shift);
    const Colour sand{240 - layer * 12, 186 - layer * 20, 104 - layer * 18};
    return lit ? sand : scale(sand, 2900);
  }
  return {230, 190, 120};
}

Colour flowerField(int x, int y) {
  const int horizon = 1500;
  if (y < horizon) return blueSky(y, horizon);
  const int line = hills(x, horizon + 160, 90, 1300, 0);
  if (y < line) return {50, 110, 60};  // distant trees
  Colour grass = ramp(y, horizon, kUnit, {120, 190, 80}, {60, 150, 50});
  // Flowers, larger toward the front.
  const int cell = 120 + (y - horizon) * 220 / (kUnit - horizon);
  const int cx = cellOf(x, cell), cy = cellOf(y, cell);
  const uint32_t id = static_cast<uint32_t>(cx * 91 + cy * 7919);
  const Colour colours[4] = {{230, 40, 50}, {250, 210, 40}, {250, 250, 250}, {200, 80, 200}};
  const int fx = cx * cell + cell / 4 + scatter(id) % (cell / 2),
            fy = cy * cell + cell / 4 + scatter(id + 1) % (cell / 2);
  if (inDisc(x, y, fx, fy, cell / 4)) return colours[scatter(id + 2) % 4];
  return grass;
}

Colour lavenderRows(int x, int y) {
  const int horizon = 1700;
  if (y < horizon) {
    if (inDisc(x, y, 2048, horizon, 420)) return {255, 235, 170};
    return ramp(y, 0, horizon, {250, 170, 120}, {255, 220, 170});
  }
  // Rows running to a point on the horizon; purple rows, green paths.
  const int depth = y - horizon + 40;
  const int across = (x - 2048) * 400 / depth;
  if (withinCell(across + 100, 200) < 130)
    return ramp(y, horizon, kUnit, {150, 110, 200}, {110, 50, 170});
  return ramp(y, horizon, kUnit, {140, 160, 90}, {80, 110, 40});
}

Colour autumnWood(int x, int y) {
  const int ground = 3200, spacing = 1100;
  if (y > ground) {
    const int leaf = noise(x, y, 120, 23);  // fallen leaves
    return leaf > 2600 ? Colour{220, 120, 30}
                       : ramp(y, ground, kUnit, {150, 80, 30}, {100, 56, 20});
  }
  const Colour crowns[3] = {{240, 170, 30}, {230, 100, 30}, {190, 40, 30}};
  for (int k = cellOf(x, spacing) - 1; k <= cellOf(x, spacing) + 1; ++k) {
    const int cx = k * spacing + spacing / 2, cy = 1300 + scatter(k * 5 + 1) % 500;
    const int radius = 560 + noise(x, y, 300, 24) / 10;  // a ragged edge
    if (inDisc(x, y, cx, cy, radius)) return crowns[scatter(k * 3 + 2) % 3];
    if (std::abs(x - cx) < 70 && y > cy) return {70, 45, 30};
  }
  return ramp(y, 0, ground, {160, 200, 240}, {250, 230, 190});
}

Colour snowyHills(int x, int y) {
  const int horizon = 1900;
  Colour air = ramp(y, 0, horizon, {150, 170, 200}, {220, 225, 235});
  for (int i = 0; i < 2; ++i) {
    const int top = hills(x, horizon + 300 + i * 700, 300, 2000 - i * 500, i * 1300);
    if (y >= top) air = ramp(y, top, top + 900, {250, 252, 255}, {190, 205, 230});
  }
  if (inPine(x, y, 900, 2650, 1100) || inPine(x, y, 1350, 2850, 900) ||
      inPine(x, y, 3300, 3300, 1300))
    return {30, 70, 60};
  const int flake = scatter(static_cast<uint32_t>(cellOf(x, 180) * 131 + cellOf(y, 180) * 977));
  if (flake < 700 && inDisc(withinCell(x, 180), withinCell(y, 180), 90, 90, 30))
    return {255, 255, 255};
  return air;
}

Colour farmHills(int x, int y) {
  const int horizon = 1600;
  if (y < horizon) return ramp(y, 0, horizon, {80, 160, 230}, {200, 230, 250});
  // A red barn with a grey roof on the middle hill.
  if (x > 2400 && x < 3100 && y > 1900 && y < 2450)
    return withinCell(x, 140) < 16 ? Colour{150, 30, 30} : Colour{190, 40, 40};
  if (inSpike(x, y, 2300, 3200, 1900, 2750, 1550)) return {90, 90, 100};
  const int back = hills(x, horizon + 350, 200, 2600, 0), front = hills(x, 2700, 300, 3200, 1500);
  if (y >= front) {
    // A road winding down toward the viewer.
    const int road = 1600 + (y - front) * 900 / kUnit + wave(y * 2) / 8;
    if (std::abs(x - road) < 80 + (y - front) / 6) return {150, 140, 120};
    return withinCell(y + x / 6, 300) < 150 ? Colour{90, 170, 60} : Colour{110, 185, 70};
  }
  if (y >= back) return {140, 200, 90};
  return {100, 150, 90};
}

}  // namespace vtafx::scenes
