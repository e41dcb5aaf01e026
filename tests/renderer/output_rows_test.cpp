// The frame's colours as bytes: rounded to the nearest level, clamped at 0
// and 255 (not-a-number as 0), in blue, green, red order, the same whether
// a pixel is stored among four at once or alone at a row's end.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "output_image.h"

namespace rnd {
namespace {

TEST(OutputRows, ColoursRoundAndClampAlikeInEveryPosition) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = INFINITY;
  const struct {
    float value;
    int byte;
  } levels[] = {{0.0f, 0},   {-0.0f, 0},      {-1.0f, 0},      {nan, 0},
                {-inf, 0},   {0.6f / 255, 1}, {0.4f / 255, 0}, {0.5f, 128},
                {1.0f, 255}, {1.5f, 255},     {inf, 255},      {254.4f / 255, 254}};
  // Seven pixels a row: four stored together, three alone; each level is
  // the red, the green and the blue of some pixel in either part.
  FrameImage image;
  image.width = 7;
  for (const auto& level : levels) {
    for (int pixel = 0; pixel < image.width; ++pixel) {
      const float other = 0.25f;
      image.colour.push_back({level.value, other, other});
      image.colour.push_back({other, level.value, other});
      image.colour.push_back({other, other, level.value});
    }
  }
  image.height = static_cast<int>(image.colour.size()) / image.width;
  std::vector<uint8_t> bytes(image.colour.size() * 3);
  storeRows(image, bytes.data(), image.width * 3);
  for (size_t i = 0; i < image.colour.size(); ++i) {
    const auto& level = levels[i / (3 * image.width)];
    const int channel = i % 3;  // red, green, blue: stored at 2, 1, 0
    EXPECT_EQ(level.byte, bytes[i * 3 + 2 - channel])
        << "value " << level.value << " pixel " << i % image.width;
    for (int k = 0; k < 3; ++k) {
      if (k == 2 - channel) continue;
      EXPECT_EQ(64, bytes[i * 3 + k]) << "the other channels, 0.25";
    }
  }
}

}  // namespace
}  // namespace rnd
