// Scenes under a big sky: a city at night, the northern lights, a ringed
// planet, a volcano, balloons.
#include <cstdlib>

#include "source_scenes.h"

namespace vtafx::scenes {

using namespace kit;

namespace {

// A sprinkling of small stars, about one cell in `rarity` holding one.
bool star(int x, int y, int rarity, uint32_t seed) {
  const int cell = 150;
  const uint32_t id = static_cast<uint32_t>(cellOf(x, cell) * 7349 + cellOf(y, cell) * 1543) + seed;
  if (scatter(id) % rarity != 0) return false;
  return inDisc(withinCell(x, cell), withinCell(y, cell), scatter(id + 1) % 100 + 25,
                scatter(id + 2) % 100 + 25, 22);
}

Colour night(int y, int horizon) { return ramp(y, 0, horizon, {8, 10, 36}, {40, 40, 100}); }

}  // namespace

Colour cityAtNight(int x, int y) {
  const int street = 3500;
  if (y >= street) return ramp(y, street, kUnit, {40, 36, 50}, {20, 18, 28});
  // Buildings of scattered widths and heights, windows lit here and there.
  const int block = cellOf(x, 420);
  const int top = 1500 + scatter(static_cast<uint32_t>(block) * 31) % 1600;
  if (y >= top) {
    const int wx = withinCell(x, 420), wy = withinCell(y - top, 190);
    const bool window = wx > 60 && wx < 360 && withinCell(wx - 60, 100) < 55 && wy > 60 && wy < 150;
    const uint32_t id = static_cast<uint32_t>(cellOf(x, 100) * 17 + cellOf(y - top, 190) * 101);
    if (window && scatter(id) < 2300) return {255, 210, 110};
    return scatter(static_cast<uint32_t>(block) * 7) % 2 ? Colour{30, 34, 60} : Colour{44, 44, 74};
  }
  if (inDisc(x, y, 3150, 750, 300))
    return inDisc(x, y, 3250, 680, 260) ? night(y, street) : Colour{250, 245, 210};
  return star(x, y, 9, 41) ? Colour{255, 255, 240} : night(y, street);
}

Colour aurora(int x, int y) {
  const int ridge =
      2900 - std::abs(withinCell(x + 600, 1900) - 950) / 2 + noise(x, 0, 200, 51) / 20;
  if (y >= ridge) return {10, 16, 24};
  Colour sky =
      star(x, y, 7, 52) ? Colour{240, 245, 255} : ramp(y, 0, ridge, {6, 10, 30}, {20, 40, 70});
  // Curtains of light hanging from a waving line, streaked upward.
  const int hem = 1900 + wave(x + wave(x * 2) / 6) / 5;
  const int height = hem - y;
  if (height < 0 || height > 1300) return sky;
  const int streak = noise(x * 8, 0, 600, 53);
  const int glow = (1300 - height) * streak / 1300;
  return mix(sky, height < 200 ? Colour{120, 255, 170} : Colour{60, 220, 140}, glow);
}

Colour ringedPlanet(int x, int y) {
  Colour space = star(x, y, 5, 61) ? Colour{250, 250, 255} : Colour{6, 6, 16};
  const int cx = 2000, cy = 2100;
  const bool ring = inEllipse(x, y, cx, cy, 1800, 420) && !inEllipse(x, y, cx, cy, 1350, 300);
  const bool planet = inDisc(x, y, cx, cy, 1000);
  // The ring passes behind the planet above its centre and in front below.
  if (ring && (y > cy || !planet)) {
    const int across = (x - cx) * (x - cx) / 1000 + (y - cy) * (y - cy) / 200;
    return withinCell(across, 400) < 250 ? Colour{220, 200, 160} : Colour{170, 150, 120};
  }
  if (planet) {
    const Colour band =
        withinCell(y + wave(x) / 20, 300) < 150 ? Colour{220, 150, 80} : Colour{190, 110, 60};
    const int dx = x - cx + 600, dy = y - cy + 600;  // lit from the top left
    return mix(scale(band, 1800), band, kUnit - (dx * dx + dy * dy) / 1000);
  }
  if (inDisc(x, y, 3500, 700, 160)) return {200, 200, 210};
  return space;
}

Colour volcano(int x, int y) {
  const int horizon = 3000;
  // A cone with a flat top; lava running down from the crater.
  const bool cone = inSpike(x, y, 400, 3700, horizon + 200, 2050, 1000) && y > 1500;
  if (cone) {
    const int lava = std::abs(x - 2050 - wave(y * 2) / 10);
    if (lava < 90 - (y - 1500) / 40) return {255, 140, 30};
    return ramp(y, 1500, horizon, {60, 40, 40}, {30, 20, 24});
  }
  if (y > horizon) return {40, 24, 20};
  // Smoke rising and spreading from the crater, glowing at its foot.
  const int spread = 300 + (1500 - y) / 2;
  const int smoke = noise(x, y, 300, 71);
  if (y < 1500 && std::abs(x - 2050 - (1500 - y) / 3) < spread && smoke > 1500)
    return mix({90, 80, 80}, {200, 90, 40}, y * 2 - 1200);
  return ramp(y, 0, horizon, {60, 20, 40}, {240, 90, 40});
}

Colour balloons(int x, int y) {
  Colour sky = ramp(y, 0, kUnit, {40, 140, 240}, {180, 225, 255});
  const struct {
    int x, y, r;
    Colour a, b;
  } balloon[3] = {{1200, 1400, 600, {230, 50, 50}, {250, 220, 40}},
                  {2900, 1000, 420, {40, 90, 220}, {250, 250, 250}},
                  {2700, 2700, 300, {40, 170, 80}, {250, 140, 30}}};
  for (const auto& b : balloon) {
    if (inEllipse(x, y, b.x, b.y, b.r, b.r * 6 / 5))
      return withinCell(x - b.x + b.r, b.r / 2) < b.r / 4 ? b.a : b.b;
    const int basket = b.y + b.r * 6 / 5 + b.r / 3;
    if (std::abs(x - b.x) < b.r / 5 && y > basket && y < basket + b.r / 4) return {120, 80, 40};
    if (std::abs(std::abs(x - b.x) - b.r / 5) < 12 && y > basket - b.r / 3 && y <= basket)
      return {80, 60, 40};
  }
  const int cloud = noise(x, y * 2, 900, 81);
  return cloud > 2900 ? mix(sky, {255, 255, 255}, (cloud - 2900) * 3) : sky;
}

}  // namespace vtafx::scenes
