// The preview's placeholder pictures: the same bytes from every build,
// twenty scenes that do not look alike, each with its number on a badge in
// the top left corner.
#include "placeholders.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "source_pictures.h"

namespace vtafx {
namespace {

const uint32_t kSizes[] = {32, 64, 128};

// FNV-1a over every placeholder at the three preview sizes.
uint64_t hashOfAll() {
  uint64_t hash = 14695981039346656037ull;
  for (uint32_t size : kSizes)
    for (const Picture& picture : placeholderSources(size))
      for (uint8_t byte : picture.rgb) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

double meanDifference(const Picture& a, const Picture& b, uint32_t side) {
  double sum = 0;
  for (uint32_t y = 0; y < side; ++y)
    for (size_t i = y * a.width * 3; i < (y * a.width + side) * 3; ++i)
      sum += std::abs(a.rgb[i] - b.rgb[i]);
  return sum / (side * side * 3);
}

// The scenes are painted in whole numbers, so no build's floating point can
// change a byte. A scene painted anew changes the value: look at the
// pictures (install, then texture --export), then take the new value.
TEST(Placeholders, AreTheSameBytesOnEveryBuild) { EXPECT_EQ(0x55116bb6cfbf12ebull, hashOfAll()); }

TEST(Placeholders, NoTwoScenesLookAlike) {
  for (uint32_t size : kSizes) {
    const std::vector<Picture> pictures = placeholderSources(size);
    ASSERT_EQ(size_t(kPlaceholderSources), pictures.size());
    for (int a = 0; a < kPlaceholderSources; ++a)
      for (int b = a + 1; b < kPlaceholderSources; ++b)
        EXPECT_GT(meanDifference(pictures[a], pictures[b], size), 20.0)
            << "sources " << a + 1 << " and " << b + 1 << " at " << size << " px";
  }
}

TEST(Placeholders, CarryTheirNumberOnABadgeInTheTopLeftCorner) {
  for (uint32_t size : kSizes)
    for (int k = 1; k <= kPlaceholderSources; ++k) {
      const Picture badged = placeholderPicture(k, size), scene = scenePicture(k, size);
      const uint32_t corner = badgeSide(size);
      EXPECT_GT(meanDifference(badged, scene, corner), 15.0)
          << "source " << k << " at " << size << " px";
      Picture outside = badged;  // the badge's corner put back to the scene
      for (uint32_t y = 0; y < corner; ++y)
        for (uint32_t x = 0; x < corner * 3; ++x)
          outside.rgb[y * size * 3 + x] = scene.rgb[y * size * 3 + x];
      EXPECT_EQ(scene.rgb, outside.rgb) << "source " << k << " at " << size << " px";
    }
}

}  // namespace
}  // namespace vtafx
