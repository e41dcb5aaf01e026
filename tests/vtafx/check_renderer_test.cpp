// vtafx check-renderer passes the shipped renderer and names each promise a
// renderer that draws nothing breaks.
#include <gtest/gtest.h>

#include "render_commands.h"
#include "sample_installation.h"
#include "tool_files.h"

namespace vtafx {
namespace {

using CheckRenderer = SampleInstallation;

bool says(const CommandRun& run, const std::string& line) {
  return run.out.find(line + "\n") != std::string::npos;
}

TEST_F(CheckRenderer, PassesRndSoftwareAndNamesWhatABlankRendererBreaks) {
  CommandRun good = runCaptured(runCheckRenderer, {RND_SOFTWARE_PATH, "--install", tree()});
  EXPECT_EQ(kExitOk, good.code) << good.out;
  EXPECT_EQ(std::string::npos, good.out.find("FAILED")) << good.out;

  CommandRun blank = runCaptured(runCheckRenderer, {BLANK_RENDERER_PATH, "--install", tree()});
  EXPECT_EQ(kExitFailed, blank.code);
  EXPECT_TRUE(says(blank, "FAILED: all five entries are exported")) << blank.out;
  EXPECT_TRUE(says(blank, "FAILED: a prepared context renders a frame")) << blank.out;
  EXPECT_TRUE(says(blank, "FAILED: the abort callback is asked while a frame is drawn"))
      << blank.out;
  EXPECT_TRUE(says(blank, "ok: nothing is written outside the output buffer")) << blank.out;
}

}  // namespace
}  // namespace vtafx
