// What the plug-in promises whatever the job says: it writes only inside
// the output buffer, leaves undrawable jobs alone and stops when asked.

#include <atomic>
#include <vector>

#include "render_fixture.h"

namespace rndtest {
namespace {

constexpr uint8_t kCanary = 0xA5;
constexpr size_t kGuard = 4096;

// An output buffer with guard bytes on both sides.
struct GuardedOutput {
  std::vector<uint8_t> bytes;
  explicit GuardedOutput(size_t size) : bytes(size + 2 * kGuard, kCanary) {}
  uint8_t* data() { return bytes.data() + kGuard; }
  bool guardsIntact() const {
    for (size_t i = 0; i < kGuard; ++i)
      if (bytes[i] != kCanary || bytes[bytes.size() - 1 - i] != kCanary) return false;
    return true;
  }
  bool untouched() const {
    for (uint8_t b : bytes)
      if (b != kCanary) return false;
    return true;
  }
};

class ContractTest : public RenderTest {
 protected:
  // Renders the effect at 30% into out, as described by the job's fields.
  void renderInto(GuardedOutput& out, const char* effect = "Spin Away", float antialiasing = 0) {
    vta::EffectSettings record;
    vtafx::previewRecord(record, effect);
    record.globalParams[VTA_ANTIALIASING] = antialiasing;
    session_.job().output.pixels = out.data();
    session_.prepare(record);
    session_.render(record, 3, 10);
  }
  void setUpJob(uint32_t size, VtaAbortFunction abort = nullptr) {
    session_.setUp(size, vtafx::placeholderSources(size), abort);
  }
};

TEST_F(ContractTest, FillsExactlyTheOutputBufferAndShowsBothClipsWhateverTheSourceCount) {
  setUpJob(32);
  GuardedOutput out(32 * 32 * 3), unknown(32 * 32 * 3);
  renderInto(out);
  EXPECT_TRUE(out.guardsIntact());
  EXPECT_FALSE(out.untouched());
  renderInto(unknown, "No Such Effect");
  EXPECT_TRUE(unknown.untouched());

  // The preview counts an effect's entries: one for Slide Left, whose
  // incoming clip lies behind the scene.
  for (uint32_t count : {1u, 0u}) {
    setUpJob(32);
    session_.job().sourceCount = count;
    vta::EffectSettings record;
    vtafx::previewRecord(record, "Slide Left");
    session_.prepare(record);
    session_.render(record, 10, 10);
    EXPECT_LT(meanDifference(session_.output().toPicture(), source(2)), 1.0) << count;
  }
}

TEST_F(ContractTest, JobsWhoseBufferCannotHoldTheFrameAreNotDrawn) {
  struct Lie {
    const char* what;
    void (*apply)(VtaRenderJob&);
  } lies[] = {
      {"data size one row short", [](VtaRenderJob& j) { j.output.dataSize -= j.output.rowBytes; }},
      {"rows shorter than the width", [](VtaRenderJob& j) { j.output.rowBytes -= 3; }},
      {"output wider than the job", [](VtaRenderJob& j) { j.output.width += 1; }},
      {"skipped rows past the end", [](VtaRenderJob& j) { j.output.skipRows = 1; }},
      {"skipped pixels past the row", [](VtaRenderJob& j) { j.output.skipPixels = 1; }},
      {"zero width", [](VtaRenderJob& j) { j.width = j.output.width = 0; }},
      {"huge size",
       [](VtaRenderJob& j) { j.width = j.height = j.output.width = j.output.height = 1u << 30; }},
      {"four bytes per pixel", [](VtaRenderJob& j) { j.output.bytesPerPixel = 4; }},
      {"no pixels", [](VtaRenderJob& j) { j.output.dataSize = 0; }},
      {"path-editor job", [](VtaRenderJob& j) { j.previewMark = 0; }},
      {"missing outgoing clip", [](VtaRenderJob& j) { j.sources[0].pixels = nullptr; }},
      {"missing incoming clip", [](VtaRenderJob& j) { j.sources[1].dataSize = 10; }},
  };
  for (const Lie& lie : lies) {
    setUpJob(32);
    lie.apply(session_.job());
    GuardedOutput out(32 * 32 * 3);
    renderInto(out);
    EXPECT_TRUE(out.untouched()) << lie.what;
  }
}

std::atomic<int> abortCalls{0};
int abortAfter = 0;
int VTA_CALL countingAbort() { return ++abortCalls > abortAfter ? 1 : 0; }

TEST_F(ContractTest, AStopAbandonsTheFrameAndLargeFramesAskForItEverySixteenRows) {
  for (int after : {0, 1, 5}) {
    abortCalls = 0;
    abortAfter = after;
    setUpJob(256, countingAbort);
    GuardedOutput out(256 * 256 * 3);
    renderInto(out);
    EXPECT_TRUE(out.untouched()) << "abort after " << after;
    EXPECT_EQ(abortCalls, after + 1);
  }

  // A stop must land within a few milliseconds; counted in work, not time, so
  // the check does not depend on how busy the machine is: the plug-in asks at
  // least once per 16 rows of a frame.
  abortCalls = 0;
  abortAfter = 1 << 30;
  setUpJob(1024, countingAbort);
  GuardedOutput out(1024 * 1024 * 3);
  renderInto(out, "Spin Away", 1);  // antialiased: four times the samples
  EXPECT_TRUE(out.guardsIntact());
  EXPECT_GE(abortCalls, 1024 / 16);
}

}  // namespace
}  // namespace rndtest
