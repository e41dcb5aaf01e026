// The preview engine with the test renderer: frame counts and positions,
// progress, stop, restart and quit during a render, request snapshots, the
// abort callback, and renderers with missing entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <new>
#include <thread>

#include "platform/settings_store.h"
#include "preview/preview_renderer.h"
#include "preview_fixture.h"

namespace vta::test {
namespace {

using std::chrono::milliseconds;
constexpr int kState = RecordingListener::kState;
// Long enough that a render waiting for the next poll would time out the
// test: every wait below must end through a wake-up or no wait at all.
constexpr milliseconds kNoPolling{60000};

bool grey(const PreviewRenderer& engine, uint32_t i) {
  const uint8_t* p = engine.frame(i);
  return std::all_of(p, p + engine.width() * engine.height() * 3,
                     [](uint8_t b) { return b == 192; });
}

bool allGrey(const PreviewRenderer& engine) {
  for (uint32_t i = 0; i < engine.frameCount(); ++i) {
    if (!grey(engine, i)) return false;
  }
  return true;
}

std::vector<uint32_t> positions(const std::vector<RndTestCall>& calls) {
  std::vector<uint32_t> result;
  for (const RndTestCall& call : calls) result.push_back(call.position);
  return result;
}

class PreviewEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(renderer_.loaded());
    writeRegistryDword("Prev_Frames", 6);
    std::strcpy(record_.effectName, "Cube Spin");
  }

  std::unique_ptr<PreviewRenderer> start(bool filterMode = false) {
    return std::make_unique<PreviewRenderer>(filterMode, &listener_, kNoPolling);
  }

  // Requests a render and waits for its end (its second state report).
  void renderOnce(PreviewRenderer& engine, const EffectDescription* selected = nullptr) {
    const size_t before = listener_.events().size();
    engine.requestRender(record_, selected);
    ASSERT_TRUE(waitForStateReports(before, 2));
  }

  bool waitForStateReports(size_t after, int count) {
    for (int i = 0; i < 500; ++i) {
      const std::vector<int> events = listener_.events();
      if (std::count(events.begin() + after, events.end(), kState) >= count) return true;
      std::this_thread::sleep_for(milliseconds(10));
    }
    return false;
  }

  PreviewInstallation installation_;
  TestRenderer renderer_{installation_};
  RecordingListener listener_;
  EffectSettings record_;
};

TEST_F(PreviewEngine, QualityChoosesTheFrameSizeAndPlaceholderTextures) {
  struct Case {
    uint32_t quality, size;
    const char* prefix;
  };
  for (const Case& c : {Case{0, 32, "PREVS_"}, Case{1, 64, "PREVM_"}, Case{2, 128, "PREVL_"},
                        Case{7, 32, "PREVS_"}}) {
    writeRegistryDword("Prev_Quality", c.quality);
    auto engine = start();
    EXPECT_EQ(c.size, engine->width()) << c.quality;
    EXPECT_EQ(c.size, engine->height()) << c.quality;
    EXPECT_STREQ(c.prefix, engine->texturePrefix());
    EXPECT_TRUE(allGrey(*engine)) << "frames start grey";
  }
}

TEST_F(PreviewEngine, StoredFrameCountIsClampedAndShortCountsShowOneFrame) {
  struct Case {
    uint32_t stored;
    bool filterMode;
    uint32_t frames;
  };
  for (const Case& c : {Case{0, false, 1}, Case{1, false, 1}, Case{5, false, 1}, Case{6, false, 6},
                        Case{200, false, 200}, Case{5000, false, 200}, Case{200, true, 1}}) {
    writeRegistryDword("Prev_Frames", c.stored);
    EXPECT_EQ(c.frames, start(c.filterMode)->frameCount())
        << c.stored << (c.filterMode ? " filter" : "");
  }
}

TEST_F(PreviewEngine, ShortPreviewRendersTheBestMomentMirroredForFlyOn) {
  EffectDescription selected;
  selected.best = 30.7f;
  ASSERT_TRUE(selected.resetVariants(4));
  for (uint32_t stored : {1u, 5u}) {
    writeRegistryDword("Prev_Frames", stored);
    renderer_.reset();
    auto engine = start();
    record_.globalParams[VTA_FLY_MODE] = 0.0f;
    renderOnce(*engine, &selected);
    record_.globalParams[VTA_FLY_MODE] = 1.0f;
    renderOnce(*engine, &selected);
    renderOnce(*engine, nullptr);
    const std::vector<RndTestCall> renders = renderer_.calls(RND_TEST_RENDER);
    ASSERT_EQ(3u, renders.size()) << stored;
    EXPECT_EQ((std::vector<uint32_t>{30, 70, 50}), positions(renders)) << stored;
    for (const RndTestCall& call : renders) EXPECT_EQ(100u, call.range);
    EXPECT_EQ(4u, renders[0].sourceCount) << "the effect's variant count";
    EXPECT_EQ(20u, renders[2].sourceCount) << "no effect: every source";
    EXPECT_EQ((std::vector<int>{kState, 0, kState, kState, 0, kState, kState, 0, kState}),
              listener_.events())
        << "one frame: only the progress bar's reset at the end";
    listener_.clear();
  }
}

// Each job carries the placeholders of the chosen quality, the frame's
// output and the preview mark.
TEST_F(PreviewEngine, SixFramesRenderEveryPositionWithProgressIntoTheirFrames) {
  writeRegistryDword("Prev_Quality", 1);
  installation_.addTexture("PREVM_01", 8);
  installation_.addTexture("PREVM_03", 8);
  installation_.addTexture("PREVS_02", 8);
  auto engine = start();
  record_.globalParams[VTA_FILTER_ON] = 1.0f;  // the sheet is not in filter mode
  renderOnce(*engine);
  const std::vector<RndTestCall> calls = renderer_.calls();
  ASSERT_EQ(7u, calls.size());
  EXPECT_EQ(RND_TEST_PREPARE, calls[0].kind);
  EXPECT_EQ(nullptr, calls[0].context) << "the first Rnd_Prepare gets no context";
  const std::vector<RndTestCall> renders = renderer_.calls(RND_TEST_RENDER);
  EXPECT_EQ((std::vector<uint32_t>{0, 1, 2, 3, 4, 5}), positions(renders));
  for (uint32_t i = 0; i < renders.size(); ++i) {
    const RndTestCall& call = renders[i];
    EXPECT_EQ(5u, call.range);
    EXPECT_EQ(calls[0].result, call.context) << "rendered with the prepared context";
    EXPECT_STREQ("Cube Spin", call.effectName);
    EXPECT_EQ(0.0f, call.filterOn);
    EXPECT_EQ(0x5u, call.sourcesWithPixels) << "PREVM_01 and PREVM_03 only";
    EXPECT_EQ(20u, call.sourceCount) << "no effect selected";
    EXPECT_EQ(64u, call.width);
    EXPECT_EQ(1, call.previewMark);
    EXPECT_EQ(0u, call.reserved0);
    EXPECT_TRUE(call.hasAbortCallback);
    EXPECT_EQ(2, call.output.format);
    EXPECT_EQ(1, call.output.order);
    EXPECT_EQ(3, call.output.bytesPerPixel);
    EXPECT_EQ(1, call.output.rowAlign);
    EXPECT_EQ(64u * 3, call.output.rowBytes);
    EXPECT_EQ(64u * 64 * 3, call.output.dataSize);
    EXPECT_EQ(0u, call.output.ownsPixels);
    EXPECT_EQ(engine->frame(i), call.output.pixels);
  }
  EXPECT_EQ(1.0f, record_.globalParams[VTA_FILTER_ON]) << "the host's record";
  EXPECT_EQ((std::vector<int>{kState, 0, 20, 40, 60, 80, 100, 0, kState}), listener_.events());
  EXPECT_FALSE(engine->isBusy());
  for (uint32_t i = 0; i < 6; ++i) EXPECT_FALSE(grey(*engine, i)) << "frame " << i;
  EXPECT_NE(0, std::memcmp(engine->frame(0), engine->frame(5), 64 * 64 * 3));

  renderOnce(*engine);
  const std::vector<RndTestCall> prepares = renderer_.calls(RND_TEST_PREPARE);
  ASSERT_EQ(2u, prepares.size());
  EXPECT_EQ(prepares[0].result, prepares[1].context) << "the context is handed back";
}

TEST_F(PreviewEngine, FilterModeRendersOneFrameAtTheFilterMoment) {
  writeRegistryDword("Prev_Frames", 200);
  struct Case {
    float frames, percent;
    uint32_t position, range;
  };
  auto engine = start(true);
  for (const Case& c :
       {Case{100.0f, 50.0f, 50, 100}, Case{30.9f, 50.0f, 15, 30}, Case{200.0f, 33.0f, 66, 200}}) {
    renderer_.reset();
    record_.globalParams[VTA_FILTER_FRAMES] = c.frames;
    record_.globalParams[VTA_FILTER_PERCENT] = c.percent;
    renderOnce(*engine);
    const std::vector<RndTestCall> renders = renderer_.calls(RND_TEST_RENDER);
    ASSERT_EQ(1u, renders.size());
    EXPECT_EQ(c.position, renders[0].position) << c.frames << " " << c.percent;
    EXPECT_EQ(c.range, renders[0].range) << c.frames << " " << c.percent;
    EXPECT_EQ(1.0f, renders[0].filterOn) << "the sheet is in filter mode";
  }
  EXPECT_EQ(0.0f, record_.globalParams[VTA_FILTER_ON]) << "the host's record";
  for (int event : listener_.events()) EXPECT_EQ(kState, event) << "no progress in filter mode";
}

TEST_F(PreviewEngine, StopDuringARenderLeavesGreyFramesAndProgressZero) {
  auto engine = start();
  renderer_.hold(2);
  engine->requestRender(record_, nullptr);
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 3));
  EXPECT_TRUE(engine->isBusy());
  engine->requestStop();
  EXPECT_TRUE(engine->isStopping());
  ASSERT_TRUE(waitForStateReports(0, 2));
  const std::vector<RndTestCall> renders = renderer_.calls(RND_TEST_RENDER);
  ASSERT_EQ(3u, renders.size()) << "ends after the current frame";
  EXPECT_TRUE(renders[2].aborted) << "the abort callback tells the renderer";
  EXPECT_FALSE(renders[1].aborted);
  EXPECT_TRUE(allGrey(*engine));
  EXPECT_EQ((std::vector<int>{kState, 0, 20, 40, 0, kState}), listener_.events());
  EXPECT_FALSE(engine->isBusy());
  EXPECT_FALSE(engine->isStopping());
}

// A listener whose first progress report fails, as a report that cannot
// allocate would.
class FailingOnceListener : public RecordingListener {
 public:
  void progressChanged(int percent) override {
    if (percent > 0 && !failed_.exchange(true)) throw std::bad_alloc();
    RecordingListener::progressChanged(percent);
  }

 private:
  std::atomic<bool> failed_{false};
};

TEST_F(PreviewEngine, ARenderThatFailsEndsAsAStoppedOneAndTheNextOneRuns) {
  FailingOnceListener failing;
  PreviewRenderer engine(false, &failing, kNoPolling);
  engine.requestRender(record_, nullptr);
  ASSERT_TRUE(failing.waitForEvents(4));
  EXPECT_EQ((std::vector<int>{kState, 0, 0, kState}), failing.events());
  EXPECT_TRUE(allGrey(engine));
  EXPECT_FALSE(engine.isBusy());
  EXPECT_FALSE(engine.isStopping());
  engine.requestRender(record_, nullptr);
  ASSERT_TRUE(failing.waitForEvents(4 + 8));
  EXPECT_FALSE(allGrey(engine)) << "the worker still renders";
}

TEST_F(PreviewEngine, ChangeDuringARenderRestartsAtOnceWithTheNewRecord) {
  auto engine = start();
  renderer_.hold(1);
  engine->requestRender(record_, nullptr);
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 2));
  std::strcpy(record_.effectName, "Page Turn");
  engine->requestStop();  // as the pane restarts a busy preview
  engine->requestRender(record_, nullptr);
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_PREPARE, 2)) << "no idle pause before the restart";
  ASSERT_TRUE(waitForStateReports(0, 4));
  const std::vector<RndTestCall> renders = renderer_.calls(RND_TEST_RENDER);
  ASSERT_EQ(8u, renders.size());
  EXPECT_STREQ("Cube Spin", renders[1].effectName);
  EXPECT_EQ((std::vector<uint32_t>{0, 1, 0, 1, 2, 3, 4, 5}), positions(renders));
  for (size_t i = 2; i < renders.size(); ++i) EXPECT_STREQ("Page Turn", renders[i].effectName);
  EXPECT_FALSE(allGrey(*engine));
}

TEST_F(PreviewEngine, QuitDuringARenderEndsAfterTheFrameWithNoFurtherReport) {
  auto engine = start();
  renderer_.hold(2);
  engine->requestRender(record_, nullptr);
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 3));
  const std::vector<int> beforeQuit = listener_.events();
  engine.reset();  // returns once the worker has ended
  EXPECT_EQ(beforeQuit, listener_.events()) << "nothing reported after the quit";
  EXPECT_EQ((std::vector<int>{kState, 0, 20}), beforeQuit);
  const std::vector<RndTestCall> calls = renderer_.calls();
  ASSERT_EQ(5u, calls.size()) << "prepare, three frames, free";
  EXPECT_EQ(RND_TEST_FREE, calls[4].kind);
  EXPECT_EQ(calls[0].result, calls[4].context) << "the context is released";
}

TEST_F(PreviewEngine, RenderUsesTheCopiesMadeAtTheRequest) {
  writeRegistryDword("Prev_Frames", 1);
  auto selected = std::make_unique<EffectDescription>();
  selected->best = 20.0f;
  ASSERT_TRUE(selected->resetVariants(2));
  auto record = std::make_unique<EffectSettings>();
  std::strcpy(record->effectName, "Cube Spin");
  auto engine = start();
  renderer_.hold(0);
  engine->requestRender(*record, selected.get());
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_PREPARE, 1));
  // The dialog thread replaces both while the worker renders.
  std::strcpy(record->effectName, "Page Turn");
  record->globalParams[VTA_FLY_MODE] = 1.0f;
  record.reset();
  selected.reset();
  renderer_.release();
  ASSERT_TRUE(waitForStateReports(0, 2));
  const std::vector<RndTestCall> renders = renderer_.calls(RND_TEST_RENDER);
  ASSERT_EQ(1u, renders.size());
  EXPECT_STREQ("Cube Spin", renders[0].effectName);
  EXPECT_EQ(0.0f, renders[0].flyMode);
  EXPECT_EQ(20u, renders[0].position);
  EXPECT_EQ(2u, renders[0].sourceCount);
}

TEST_F(PreviewEngine, AbortCallbackAnswersForTheEngineOfItsWorker) {
  auto first = start();
  renderer_.hold(0);
  first->requestRender(record_, nullptr);
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 1));
  auto second = start();  // made later, as a replacement engine would be
  second->requestStop();
  std::this_thread::sleep_for(milliseconds(20));
  EXPECT_TRUE(first->isBusy()) << "another engine's stop does not abort this one";
  first->requestStop();
  ASSERT_TRUE(waitForStateReports(0, 2));
  EXPECT_TRUE(renderer_.calls(RND_TEST_RENDER)[0].aborted);
}

TEST_F(PreviewEngine, MissingEntriesAreSkipped) {
  writeRegistryString("Prev_Engine", "Rnd_NoRender");
  TestRenderer noRender(installation_, "Rnd_NoRender");
  {
    auto engine = start();
    renderOnce(*engine);
    EXPECT_EQ(1u, noRender.calls(RND_TEST_PREPARE).size());
    EXPECT_TRUE(allGrey(*engine)) << "no Rnd_Render: frames stay grey";
    EXPECT_EQ((std::vector<int>{kState, 0, 20, 40, 60, 80, 100, 0, kState}), listener_.events());
  }
  writeRegistryString("Prev_Engine", "Rnd_NoPrepare");
  TestRenderer noPrepare(installation_, "Rnd_NoPrepare");
  {
    auto engine = start();
    renderOnce(*engine);
    EXPECT_FALSE(allGrey(*engine)) << "frames are rendered";
  }
  const std::vector<RndTestCall> calls = noPrepare.calls();
  ASSERT_EQ(6u, calls.size()) << "six frames and no Rnd_FreeContext";
  for (const RndTestCall& call : calls) EXPECT_EQ(nullptr, call.context);

  writeRegistryString("Prev_Engine", "Rnd_Missing");
  listener_.clear();
  auto engine = start();
  engine->requestRender(record_, nullptr);
  std::this_thread::sleep_for(milliseconds(100));
  EXPECT_FALSE(engine->isBusy()) << "without a renderer the worker has ended";
  EXPECT_TRUE(listener_.events().empty());
  EXPECT_TRUE(allGrey(*engine));
}

TEST_F(PreviewEngine, PlaybackAdvancesAndShowsTheNewestFrameWhileRendering) {
  auto engine = start();
  std::vector<uint32_t> shown;
  for (int i = 0; i < 7; ++i) shown.push_back(engine->advanceDisplayFrame());
  EXPECT_EQ((std::vector<uint32_t>{0, 1, 2, 3, 4, 5, 0}), shown);
  renderer_.hold(3);
  engine->requestRender(record_, nullptr);
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 4));
  EXPECT_EQ(2u, engine->advanceDisplayFrame()) << "frame 3 is being rendered";
  EXPECT_EQ(2u, engine->advanceDisplayFrame());
  renderer_.release();
  ASSERT_TRUE(waitForStateReports(0, 2));
  EXPECT_EQ(3u, engine->advanceDisplayFrame()) << "in turn again once done";
}

}  // namespace
}  // namespace vta::test
