// Times the preview engine with the test renderer: from an edit's restart
// request (compare with the last previewed record, copy, request) to the
// first new frame being ready, with the worker idle; and the same when the
// edit lands while a render runs (stop, then render again). Figures for
// several frame costs. Run: preview_latency_bench [runs]
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "platform/settings_store.h"
#include "preview/preview_renderer.h"
#include "preview_fixture.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes when the first frame of a render started after arm() was reported:
// the first progress report that follows a render start (an abandoned
// render's end reports progress 0 too, but before its end).
class FrameClock : public vta::PreviewListener {
 public:
  void renderStateChanged() override {
    std::lock_guard<std::mutex> lock(mutex_);
    started_ = true;
  }
  void progressChanged(int) override {
    std::lock_guard<std::mutex> lock(mutex_);
    if (started_ && !seen_) {
      seen_ = true;
      at_ = Clock::now();
      changed_.notify_all();
    }
  }
  void arm() {
    std::lock_guard<std::mutex> lock(mutex_);
    seen_ = started_ = false;
  }
  Clock::time_point wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return seen_; });
    return at_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool seen_ = false;
  bool started_ = false;
  Clock::time_point at_;
};

// What the pane does after an edit with automatic preview on.
void restartAfterEdit(vta::PreviewRenderer& engine, vta::EffectSettings& record,
                      vta::EffectSettings& lastPreviewed) {
  record.globalParams[VTA_IMAGE_QUALITY] += 1.0f;
  if (!record.differs(lastPreviewed)) return;
  lastPreviewed.copyFrom(record);
  if (engine.isBusy()) engine.requestStop();
  engine.requestRender(record, nullptr);
}

double milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void waitIdle(const vta::PreviewRenderer& engine) {
  while (engine.isBusy()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void report(const char* what, int frameMs, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-34s frame %3d ms: median %7.2f ms, max %7.2f ms (%zu runs)\n", what, frameMs,
              times[times.size() / 2], times.back(), times.size());
}

void measure(const vta::test::TestRenderer& renderer, int frameMs, int runs) {
  FrameClock clock;
  vta::PreviewRenderer engine(false, &clock);
  vta::EffectSettings record, lastPreviewed;
  renderer.setDelay(frameMs);
  std::vector<double> idle, busy;
  for (int i = 0; i < runs; ++i) {
    waitIdle(engine);
    std::this_thread::sleep_for(std::chrono::milliseconds(70));  // the worker is waiting
    clock.arm();
    const Clock::time_point start = Clock::now();
    restartAfterEdit(engine, record, lastPreviewed);
    idle.push_back(milliseconds(clock.wait() - start));

    std::this_thread::sleep_for(std::chrono::milliseconds(frameMs * 2 + frameMs / 2 + 1));
    clock.arm();
    const Clock::time_point edit = Clock::now();
    restartAfterEdit(engine, record, lastPreviewed);
    busy.push_back(milliseconds(clock.wait() - edit));
  }
  waitIdle(engine);
  report("edit to first frame, idle worker", frameMs, idle);
  report("edit to first frame, during render", frameMs, busy);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  vta::test::PreviewInstallation installation;
  vta::test::TestRenderer renderer(installation);
  if (!renderer.loaded()) {
    std::fprintf(stderr, "test renderer not found\n");
    return 1;
  }
  vta::writeRegistryDword("Prev_Frames", 30);
  std::printf("Preview restart latency, 30 frames of 32 x 32, idle poll period %lld ms\n",
              static_cast<long long>(vta::PreviewRenderer::kPollPeriod.count()));
  for (int frameMs : {1, 5, 20}) measure(renderer, frameMs, runs);
  return 0;
}
