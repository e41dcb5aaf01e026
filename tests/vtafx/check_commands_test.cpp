// vtafx check-effect passes an effect that starts on the outgoing and ends
// on the incoming clip, and names every end of one that does not;
// check-renderer names each promise a renderer that draws nothing breaks.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands.h"
#include "effect_ends.h"
#include "render_commands.h"
#include "settings_sandbox.h"
#include "tool_files.h"

namespace vtafx {
namespace {

bool says(const CommandRun& run, const std::string& text) {
  return run.out.find(text) != std::string::npos;
}

// An installation holding "Slide Left" and "Stops Short", a copy whose
// picture stops a quarter of the frame before it has left.
class CheckEffect : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string slide = readBytes(samplesDir() + "/effects/Slide Left.json");
    std::string shortSlide = slide;
    shortSlide.replace(shortSlide.find("[-2, 0, 0]"), 10, "[-1.5, 0, 0]");
    std::filesystem::create_directories(folder_.file("tree/EFFECTS"));
    build("Slide Left", slide);
    build("Stops Short", shortSlide);
  }

  void build(const std::string& name, const std::string& document) {
    std::string source = folder_.write(name + ".json", document);
    ASSERT_EQ(kExitOk, runBuild({source, "-o", folder_.file("tree/EFFECTS/" + name + ".VTA")}));
  }

  CommandRun check(std::vector<std::string> effects) {
    effects.insert(effects.begin(),
                   {"--install", folder_.file("tree"), "--renderer", RND_SOFTWARE_PATH});
    return runCaptured(runCheckEffect, effects);
  }

  vta::SettingsSandbox sandbox_;
  vta::TempFolder folder_;
};

TEST_F(CheckEffect, PassesACleanCutAndNamesEveryEndThatIsNot) {
  CommandRun clean = check({"Slide Left"});
  EXPECT_EQ(kExitOk, clean.code) << clean.out;
  EXPECT_EQ("ok: Slide Left\n", clean.out);

  CommandRun all = check({});
  EXPECT_EQ(kExitFailed, all.code);
  EXPECT_TRUE(says(all, "ok: Slide Left\n")) << all.out;
  for (const char* end :
       {"last frame at 32 px: ", "last frame at 64 px, antialiased: ", "last frame at 128 px: "})
    EXPECT_TRUE(says(all, std::string("FAILED: Stops Short: ") + end)) << all.out;
  EXPECT_FALSE(says(all, "Stops Short: first")) << all.out;

  EXPECT_EQ(kExitFailed, check({"No Such Effect"}).code);
}

TEST(EndDifference, CountsEveryPixelInTheMeanAndAllButTheBorderInTheWorst) {
  Picture expected{64, 64, std::vector<uint8_t>(64 * 64 * 3, 100)};
  Picture frame = expected;
  EXPECT_TRUE(endDifference(frame, expected).clean());
  frame.rgb[0] = frame.rgb[1] = frame.rgb[2] = 200;  // the top left corner
  EXPECT_TRUE(endDifference(frame, expected).clean());
  EXPECT_EQ(0, endDifference(frame, expected).worst);
  frame.rgb[(64 + 1) * 3] = 120;  // one channel of a pixel inside the border
  EXPECT_FALSE(endDifference(frame, expected).clean());
  EXPECT_NEAR(20 / 255.0, endDifference(frame, expected).worst, 1e-9);

  Picture darker = expected;
  for (uint8_t& c : darker.rgb) c -= 1;  // one level everywhere: a visible shade
  EXPECT_FALSE(endDifference(darker, expected).clean());
  EXPECT_FALSE(
      endDifference(Picture{32, 32, std::vector<uint8_t>(32 * 32 * 3, 100)}, expected).clean());
}

using CheckRenderer = SampleInstallation;

// That Rnd_Software passes is the test renderer_contract_check.
TEST_F(CheckRenderer, NamesWhatABlankRendererBreaks) {
  CommandRun blank = runCaptured(runCheckRenderer, {BLANK_RENDERER_PATH, "--install", tree()});
  EXPECT_EQ(kExitFailed, blank.code);
  for (const char* line :
       {"FAILED: all five entries are exported\n", "FAILED: a prepared context renders a frame\n",
        "FAILED: the abort callback is asked while a frame is drawn\n",
        "ok: nothing is written outside the output buffer\n"})
    EXPECT_TRUE(says(blank, line)) << blank.out;
}

}  // namespace
}  // namespace vtafx
