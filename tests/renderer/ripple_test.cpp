// The Ripple warp's mapping and picture warp.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ripple_math.h"

namespace ripple {
namespace {

TEST(RippleTest, ValuesFallBackToDefaultsAmountIsClampedAndWarpingKeepsFlatOrStillPictures) {
  const float values[] = {3};
  Settings s = settingsFrom(2.0f, 1, values);
  EXPECT_FLOAT_EQ(s.amount, 1.0f);
  EXPECT_FLOAT_EQ(s.waves, 3.0f);
  EXPECT_FLOAT_EQ(s.centreX, 0.5f);
  EXPECT_FLOAT_EQ(settingsFrom(-1.0f, 0, nullptr).amount, 0.0f);

  const uint32_t n = 16;
  std::vector<uint8_t> source(n * n * 3), target(n * n * 3, 0);
  for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint8_t>(i * 7);
  VtaWarpImage from{source.data(), int32_t(n * 3), n, n}, to{target.data(), int32_t(n * 3), n, n};
  warpPicture(Settings{0, 6, 0.5f, 0.5f}, from, to);
  EXPECT_EQ(target, source);
  std::fill(source.begin(), source.end(), 77);
  warpPicture(Settings{1, 6, 0.5f, 0.5f}, from, to);
  EXPECT_EQ(target, source);
}

// Each point moves along its radius from the centre by the wave at its
// distance; with no amount none moves.
TEST(RippleTest, PointsFollowTheWaveFormulaAcrossThePicture) {
  for (const Settings& s : {Settings{0.7f, 9.0f, 0.3f, 0.6f}, Settings{0.0f, 9.0f, 0.3f, 0.6f}}) {
    for (float y = -0.5f; y <= 1.5f; y += 0.0625f)
      for (float x = -0.5f; x <= 1.5f; x += 0.03125f) {
        const float dx = x - s.centreX, dy = y - s.centreY;
        const double r = std::sqrt(double(dx) * dx + double(dy) * dy);
        const double shift = s.amount * kMaxShift * std::sin(6.283185307179586 * s.waves * r);
        float mx = x, my = y;
        mapPoint(s, mx, my);
        ASSERT_NEAR(mx, x + (r > 0 ? dx / r * shift : 0), 1e-6) << x << ", " << y;
        ASSERT_NEAR(my, y + (r > 0 ? dy / r * shift : 0), 1e-6) << x << ", " << y;
      }
  }
}

}  // namespace
}  // namespace ripple
