// Scenes by the water: sunset, beach, underwater, island, lighthouse.
#include <cstdlib>

#include "source_scenes.h"

namespace vtafx::scenes {

using namespace kit;

namespace {

constexpr int kMiddle = kUnit / 2;

// Sky of two gradients meeting at `middle`.
Colour sky(int y, int middle, int horizon, Colour top, Colour centre, Colour low) {
  return y < middle ? ramp(y, 0, middle, top, centre) : ramp(y, middle, horizon, centre, low);
}

// Soft clouds: noise stretched wide, shown where it runs high.
Colour withClouds(Colour sky, int x, int y, Colour cloud, uint32_t seed) {
  const int n = noise(x, y * 3, 1100, seed);
  return n > 2600 ? mix(sky, cloud, (n - 2600) * 3) : sky;
}

// Broken bright lines on water, thinning toward the horizon.
bool glint(int x, int y, int horizon, uint32_t seed) {
  const int depth = y - horizon;
  return wave(depth * 14 + noise(x, y, 260, seed) / 2) > 2600 + (kUnit - depth) / 4;
}

}  // namespace

Colour sunsetOverWater(int x, int y) {
  const int horizon = 2500;
  if (y < horizon) {
    if (inDisc(x, y, kMiddle, horizon - 120, 560)) return {255, 226, 140};
    Colour air = sky(y, 1300, horizon, {58, 28, 104}, {214, 78, 96}, {255, 168, 64});
    return y < 1900 ? withClouds(air, x, y, {126, 44, 92}, 1) : air;
  }
  Colour sea = ramp(y, horizon, kUnit, {156, 70, 96}, {28, 18, 64});
  // The sun's reflection: streaks of scattered lengths, wider toward the front.
  const int row = cellOf(y - horizon, 90);
  const int spread = (200 + (y - horizon) * 600 / (kUnit - horizon)) * (2 + scatter(row) % 3) / 4;
  if (std::abs(x - kMiddle - scatter(row + 7) % 200 + 100) < spread &&
      withinCell(y - horizon, 90) < 50)
    return mix(sea, {255, 196, 96}, 3000);
  return sea;
}

Colour beach(int x, int y) {
  const int horizon = 1700, shore = 2700 + wave(x * 2) / 10;
  if (y < horizon) {
    if (inDisc(x, y, 3300, 600, 300)) return {255, 250, 210};
    return withClouds(ramp(y, 0, horizon, {70, 150, 235}, {170, 220, 250}), x, y, {255, 255, 255},
                      3);
  }
  if (y < shore - 120) {
    Colour sea = ramp(y, horizon, shore, {20, 110, 170}, {40, 200, 200});
    return glint(x, y, horizon, 4) ? mix(sea, {235, 255, 255}, 2800) : sea;
  }
  if (y < shore) return {250, 252, 245};  // surf
  // A red and white parasol on the sand.
  if (inSpike(x, y, 500, 1500, 3000, 1000, 2600))
    return withinCell(x, 250) < 125 ? Colour{220, 40, 40} : Colour{250, 250, 250};
  if (std::abs(x - 1000) < 30 && y >= 3000 && y < 3700) return {90, 70, 50};
  return ramp(y, shore, kUnit, {240, 214, 160}, {214, 180, 120});
}

Colour underwater(int x, int y) {
  Colour water = ramp(y, 0, kUnit, {40, 170, 190}, {8, 34, 88});
  // Light falling in slanted shafts from the surface.
  const int shaft = wave(x * 3 + y / 2);
  if (shaft > 3000) water = mix(water, {150, 230, 230}, (shaft - 3000) * (kUnit - y) / kUnit * 2);
  // An orange fish, its tail behind it.
  if (inEllipse(x, y, 2300, 2000, 560, 300))
    return inDisc(x, y, 2650, 1950, 70) ? Colour{20, 20, 20} : Colour{255, 130, 30};
  if (x > 1350 && x < 1800 && std::abs(y - 2000) < (1800 - x) * 2 / 3) return {240, 100, 20};
  for (int i = 0; i < 4; ++i) {  // bubbles rising
    const int cy = 1600 - i * 420, cx = 2900 + wave(cy * 3) / 12;
    if (inDisc(x, y, cx, cy, 110 - i * 12) && !inDisc(x, y, cx, cy, 80 - i * 12))
      return {200, 245, 250};
  }
  const int floor = 3500 + wave(x) / 12;
  if (y > floor) return ramp(y, floor, kUnit, {196, 170, 110}, {140, 120, 80});
  const int weed = withinCell(x, 700);  // seaweed swaying up from the floor
  if (std::abs(weed - 350 - wave(y * 2) / 24) < 60 && y > 2600) return {30, 130, 60};
  return water;
}

Colour tropicalIsland(int x, int y) {
  const int horizon = 1800;
  // A palm leaning over a sandy island: trunk, then fronds from its top.
  const int trunkX = 2000 + (2900 - y) * 300 / 1500;
  if (y > 1500 && y < 2900 && std::abs(x - trunkX) < 55) return {120, 84, 44};
  for (int f = 0; f < 5; ++f) {
    const int tipX = 2300 + (f - 2) * 600, tipY = 1500 + std::abs(f - 2) * 250;
    if (inEllipse(x, y, (2300 + tipX) / 2, (1400 + tipY) / 2, 330, 110)) return {40, 150, 50};
  }
  if (inEllipse(x, y, 2100, 2950, 1100, 260)) return {236, 214, 150};
  if (y < horizon)
    return withClouds(ramp(y, 0, horizon, {30, 120, 220}, {150, 210, 250}), x, y, {250, 250, 255},
                      5);
  Colour sea = ramp(y, horizon, kUnit, {20, 150, 200}, {60, 220, 200});
  return glint(x, y, horizon, 6) ? mix(sea, {230, 255, 250}, 2600) : sea;
}

Colour lighthouse(int x, int y) {
  const int horizon = 2600;
  // The beam sweeping left from the lamp.
  const int dx = 2900 - x, dy = y - 900;
  const bool inBeam = dx > 0 && std::abs(dy * 5) < dx;
  if (x > 2700 && x < 3100 && y > 900 && y < 3000) {  // the tower, in red and white bands
    const int half = 200 - (y - 900) / 30;
    if (std::abs(x - 2900) < half)
      return withinCell(y, 420) < 210 ? Colour{210, 40, 40} : Colour{245, 245, 240};
  }
  if (inDisc(x, y, 2900, 800, 150)) return {255, 240, 150};
  if (inEllipse(x, y, 2900, 3150, 900, 350) && y < 3300) return {70, 60, 70};  // rocks
  if (y < horizon) {
    Colour dusk = sky(y, 1500, horizon, {24, 30, 80}, {90, 70, 140}, {240, 150, 110});
    return inBeam ? mix(dusk, {255, 240, 170}, 2200) : dusk;
  }
  Colour sea = ramp(y, horizon, kUnit, {60, 60, 110}, {16, 20, 50});
  return glint(x, y, horizon, 7) ? mix(sea, {240, 170, 120}, 2000) : sea;
}

}  // namespace vtafx::scenes
