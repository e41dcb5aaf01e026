// A render stops within a frame of the cancel and leaves only whole frame
// files; the job carries the host's size, sources and positions. Driven
// with the test renderer, which records its calls and can hold a frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <set>

#include "failing_saves.h"
#include "final_render.h"
#include "frame_files.h"
#include "platform/safe_save.h"
#include "temp_folder.h"
#include "test_renderer_control.h"

namespace hosttest {
namespace {

using vta::render::RenderEnd;
using vta::render::RenderRequest;
using vta::render::RgbPicture;

constexpr int kDeadlineMs = 10000;

bool encodePpm(const RgbPicture& frame, std::string& file) {
  file = "P6\n" + std::to_string(frame.width) + " " + std::to_string(frame.height) + "\n255\n" +
         std::string(frame.rgb.begin(), frame.rgb.end());
  return true;
}

class HostRender : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(renderer.loaded()); }

  // Renders six frames of 48 x 27 into the folder on a thread of its own.
  std::future<RenderEnd> start() {
    return std::async(std::launch::async, [this] {
      vta::render::RendererPlugin plugin;
      std::string error;
      if (!plugin.load(RND_TEST_PATH, error)) return RenderEnd::failed;
      return vta::render::renderFrames(plugin, record, request, cancel,
                                       [this](uint32_t i, const RgbPicture& frame) {
                                         if (i == cancelAfter) cancel = true;
                                         return frames.write(i, frame);
                                       });
    });
  }

  RenderEnd finish(std::future<RenderEnd>& render) {
    if (render.wait_for(std::chrono::milliseconds(kDeadlineMs)) != std::future_status::ready) {
      ADD_FAILURE() << "the render did not stop";
      renderer.release();
    }
    return render.get();
  }

  // The module the render loads, which records its calls.
  vta::test::TestRendererControl renderer{RND_TEST_PATH};
  VtaEffectSettings record{};
  RenderRequest request{48, 27, 6, {RgbPicture{2, 2, std::vector<uint8_t>(12, 200)}}};
  std::atomic<bool> cancel{false};
  uint32_t cancelAfter = 99;
  vta::TempFolder folder;
  vta::render::FrameFolder frames{folder.path(), "fx", ".ppm", encodePpm};
};

TEST_F(HostRender, StopsInTheFrameBeingDrawnAndKeepsOnlyWholeFrames) {
  renderer.hold(2);  // the third frame waits until the abort callback says stop
  std::future<RenderEnd> render = start();
  ASSERT_TRUE(renderer.waitFor(RND_TEST_RENDER, 3, kDeadlineMs));
  cancel = true;
  EXPECT_EQ(RenderEnd::cancelled, finish(render));
  EXPECT_EQ((std::set<std::string>{"fx_000.ppm", "fx_001.ppm"}), folder.names());
  EXPECT_EQ(3u, renderer.calls(RND_TEST_RENDER).size());
  EXPECT_TRUE(renderer.calls(RND_TEST_RENDER)[2].aborted);
  EXPECT_EQ(1u, renderer.calls(RND_TEST_FREE).size());
  const std::string whole = folder.read("fx_001.ppm");
  EXPECT_EQ(std::string("P6\n48 27\n255\n").size() + 48 * 27 * 3, whole.size());
}

TEST_F(HostRender, ACancelBetweenFramesStartsNoOther) {
  cancelAfter = 1;
  std::future<RenderEnd> render = start();
  EXPECT_EQ(RenderEnd::cancelled, finish(render));
  EXPECT_EQ(2u, renderer.calls(RND_TEST_RENDER).size());
  EXPECT_EQ((std::set<std::string>{"fx_000.ppm", "fx_001.ppm"}), folder.names());
}

TEST_F(HostRender, AFrameThatCannotBeWrittenEndsTheRenderAndLeavesNothing) {
  vta::FailingSaves failing(vta::SaveStep::kWrite);
  std::future<RenderEnd> render = start();
  EXPECT_EQ(RenderEnd::failed, finish(render));
  EXPECT_EQ(1u, renderer.calls(RND_TEST_RENDER).size());
  EXPECT_TRUE(folder.names().empty());
}

// Frames replace older files of the same name.
TEST_F(HostRender, TheJobCarriesTheHostsSizeSourcesAndPositions) {
  folder.write("fx_000.ppm", "an earlier render");
  std::future<RenderEnd> render = start();
  EXPECT_EQ(RenderEnd::finished, finish(render));
  const std::vector<RndTestCall> renders = renderer.calls(RND_TEST_RENDER);
  ASSERT_EQ(6u, renders.size());
  ASSERT_EQ(1u, renderer.calls(RND_TEST_PREPARE).size());
  for (uint32_t i = 0; i < renders.size(); ++i) {
    const RndTestCall& call = renders[i];
    EXPECT_EQ(i, call.position);
    EXPECT_EQ(5u, call.range);
    EXPECT_EQ(48u, call.width);
    EXPECT_EQ(27u, call.height);
    EXPECT_EQ(20u, call.sourceCount);
    EXPECT_EQ(1u, call.sourcesWithPixels);  // only the one picture given
    EXPECT_EQ(1, call.previewMark);
    EXPECT_TRUE(call.hasAbortCallback);
    EXPECT_EQ(48u * 3, call.output.rowBytes);
    EXPECT_EQ(1, call.output.order);
  }
  EXPECT_EQ(6u, folder.names().size());
  EXPECT_EQ(0u, folder.read("fx_000.ppm").rfind("P6\n48 27\n", 0));
}

}  // namespace
}  // namespace hosttest
