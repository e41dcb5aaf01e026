// Abstract scenes: soft rings on a gradient, bold diagonal stripes.
#include "source_scenes.h"

namespace vtafx::scenes {

using namespace kit;

Colour gradientRings(int x, int y) {
  Colour base = ramp(x + y, 0, 2 * kUnit, {250, 60, 130}, {40, 60, 200});
  const int64_t dx = x - 2700, dy = y - 1500;
  const int distance = static_cast<int>((dx * dx + dy * dy) / 2048);
  if (withinCell(distance, 900) < 300) return mix(base, {255, 220, 80}, 2600);
  return base;
}

Colour colourStripes(int x, int y) {
  const Colour bands[5] = {
      {240, 80, 60}, {250, 190, 40}, {60, 180, 120}, {40, 120, 220}, {150, 70, 190}};
  const int band = cellOf(x + y * 2 / 3, 700);
  const Colour c = bands[withinCell(band, 5)];
  return withinCell(x + y * 2 / 3, 700) < 60 ? Colour{250, 250, 250} : c;
}

}  // namespace vtafx::scenes
