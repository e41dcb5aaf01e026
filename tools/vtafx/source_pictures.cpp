#include "source_pictures.h"

#include <algorithm>

#include "source_scenes.h"

namespace vtafx {

namespace {

// Samples per pixel side: small pictures need them most, and large ones
// would take long.
uint32_t samplesPerSide(uint32_t size) { return size <= 128 ? 4 : (size <= 512 ? 2 : 1); }

// Source 1, the outgoing clip, and source 2, the incoming one, are the
// warmest and the coolest, so a transition between them reads at a glance.
const Scene kScenes[kSceneCount] = {
    scenes::sunsetOverWater, scenes::mountainValley, scenes::cityAtNight,   scenes::forest,
    scenes::desert,          scenes::flowerField,    scenes::beach,         scenes::gradientRings,
    scenes::snowyHills,      scenes::underwater,     scenes::aurora,        scenes::lavenderRows,
    scenes::autumnWood,      scenes::ringedPlanet,   scenes::volcano,       scenes::tropicalIsland,
    scenes::farmHills,       scenes::lighthouse,     scenes::colourStripes, scenes::balloons};

uint8_t channel(int sum, int count) {
  return static_cast<uint8_t>(std::clamp((sum + count / 2) / count, 0, 255));
}

// Place of sample s (0 to size x n - 1, n samples per pixel side) in
// picture units, at its centre.
int samplePlace(uint32_t s, uint32_t size, uint32_t n) {
  return static_cast<int>((uint64_t{s} * 2 + 1) * kit::kUnit / (uint64_t{size} * n * 2));
}

}  // namespace

Scene sourceScene(int source) { return kScenes[(source - 1 + kSceneCount) % kSceneCount]; }

Picture scenePicture(int source, uint32_t size) {
  const Scene paint = sourceScene(source);
  const uint32_t n = samplesPerSide(size);
  const int count = static_cast<int>(n * n);
  Picture picture{size, size, std::vector<uint8_t>(size_t{size} * size * 3)};
  for (uint32_t py = 0; py < size; ++py)
    for (uint32_t px = 0; px < size; ++px) {
      int r = 0, g = 0, b = 0;
      for (uint32_t sy = 0; sy < n; ++sy)
        for (uint32_t sx = 0; sx < n; ++sx) {
          const kit::Colour c =
              paint(samplePlace(px * n + sx, size, n), samplePlace(py * n + sy, size, n));
          r += std::clamp(c.r, 0, 255), g += std::clamp(c.g, 0, 255), b += std::clamp(c.b, 0, 255);
        }
      uint8_t* p = &picture.rgb[(size_t{py} * size + px) * 3];
      p[0] = channel(r, count), p[1] = channel(g, count), p[2] = channel(b, count);
    }
  return picture;
}

std::vector<Picture> scenePictures(uint32_t size) {
  std::vector<Picture> pictures;
  for (int k = 1; k <= kSceneCount; ++k) pictures.push_back(scenePicture(k, size));
  return pictures;
}

}  // namespace vtafx
