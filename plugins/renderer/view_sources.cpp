#include "view_sources.h"

#include <cmath>

namespace rnd {

namespace {

constexpr uint32_t kCheck = 8;  // pixels per check

// Blue, green, red of source n's card, light or dark.
void cardColour(unsigned n, bool light, uint8_t* bgr) {
  const float hue = float(n) * 0.61803f * 6.2831853f;
  const float scale = light ? 1.0f : 0.6f;
  for (int c = 0; c < 3; ++c) {
    float value = 0.55f + 0.35f * std::cos(hue - c * 2.0943951f);
    bgr[2 - c] = static_cast<uint8_t>(255 * value * scale);
  }
}

}  // namespace

void ViewSources::fill(VtaRenderJob& job) {
  job.sourceCount = VTA_RENDER_SOURCE_COUNT;
  for (unsigned n = 0; n < VTA_RENDER_SOURCE_COUNT; ++n) {
    VtaTextureImage& image = job.sources[n];
    if (image.pixels) continue;
    std::vector<uint8_t>& card = cards_[n];
    card.resize(kSide * kSide * 3);
    for (uint32_t y = 0; y < kSide; ++y)
      for (uint32_t x = 0; x < kSide; ++x)
        cardColour(n, ((x / kCheck) + (y / kCheck)) % 2 == 0, &card[(y * kSide + x) * 3]);
    image = VtaTextureImage{};
    vtaDescribeBgr24(&image, kSide, kSide, VTA_ROW_ALIGN_PACKED, card.data());
  }
}

}  // namespace rnd
