// Every sample effect starts exactly on the outgoing clip and ends exactly on
// the incoming one, at the preview's sizes, with and without antialiasing:
// a transition that does not shows a jump at the cuts around it.

#include "effect_ends.h"
#include "render_fixture.h"

namespace rndtest {
namespace {

using CleanEndsTest = RenderTest;

TEST_F(CleanEndsTest, EverySampleEffectStartsOnTheOutgoingAndEndsOnTheIncomingClip) {
  const std::vector<std::string> effects = vtafx::installedEffects(VTA_SAMPLE_INSTALL_DIR);
  ASSERT_FALSE(effects.empty());
  for (const std::string& effect : effects)
    for (const vtafx::EndCheck& check : vtafx::checkEnds(session_, effect, vtafx::previewSizes()))
      EXPECT_TRUE(check.difference.clean()) << effect << ": " << vtafx::describe(check);
}

}  // namespace
}  // namespace rndtest
