// Frames of the sample effects. Every one starts exactly on the outgoing
// clip and ends exactly on the incoming one, at the preview's sizes, with and
// without antialiasing: a transition that does not shows a jump at the cuts
// around it. Frames of a few are compared with pictures checked by eye and
// kept in golden/ as binary PPM, which every build reads (the Windows builds
// have no PNG). Set VTA_UPDATE_GOLDEN=1 to write them anew (then look at
// them before committing).

#include <cstdlib>
#include <string>

#include "effect_ends.h"
#include "render_fixture.h"

namespace rndtest {
namespace {

struct GoldenCase {
  const char* effect;
  uint32_t position;  // of 10
};

const GoldenCase kCases[] = {
    {"Page Turn Right", 4}, {"Cube Turn Right", 5},    {"Water Ripple", 5},
    {"Fold in Half", 6},    {"Four Tiles Scatter", 3}, {"Flip Over", 7},
};

std::string goldenPath(const GoldenCase& c) {
  return std::string(GOLDEN_DIR) + "/" + c.effect + "_" + std::to_string(c.position) + ".ppm";
}

// Share of pixels whose channels differ by more than tolerance.
double shareDiffering(const vtafx::Picture& a, const vtafx::Picture& b, int tolerance) {
  size_t differing = 0, pixels = a.rgb.size() / 3;
  for (size_t i = 0; i < pixels; ++i)
    for (int k = 0; k < 3; ++k)
      if (std::abs(a.rgb[i * 3 + k] - b.rgb[i * 3 + k]) > tolerance) {
        ++differing;
        break;
      }
  return pixels ? double(differing) / pixels : 1;
}

using SampleFrames = RenderTest;

TEST_F(SampleFrames, EverySampleEffectStartsOnTheOutgoingAndEndsOnTheIncomingClip) {
  const std::vector<std::string> effects = vtafx::installedEffects(VTA_SAMPLE_INSTALL_DIR);
  ASSERT_FALSE(effects.empty());
  for (const std::string& effect : effects)
    for (const vtafx::EndCheck& check : vtafx::checkEnds(session_, effect, vtafx::previewSizes()))
      EXPECT_TRUE(check.difference.clean()) << effect << ": " << vtafx::describe(check);
}

TEST_F(SampleFrames, LookAsChecked) {
  bool update = std::getenv("VTA_UPDATE_GOLDEN") != nullptr;
  for (const GoldenCase& c : kCases) {
    vtafx::Picture frame = render(c.effect, c.position, 10, {{4, 1}});
    std::string error, path = goldenPath(c);
    if (update) {
      ASSERT_TRUE(vtafx::writePicture(path, frame, error)) << error;
      continue;
    }
    vtafx::Picture golden;
    ASSERT_TRUE(vtafx::readPicture(path, golden, error)) << error;
    ASSERT_EQ(golden.rgb.size(), frame.rgb.size()) << path;
    // Floating-point noise moves a few edge pixels by a few levels.
    EXPECT_LT(meanDifference(frame, golden), 1.0) << path;
    EXPECT_LT(shareDiffering(frame, golden, 6), 0.02) << path;
  }
}

}  // namespace
}  // namespace rndtest
