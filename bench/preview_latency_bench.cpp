// Times the preview engine with the test renderer: from an edit's restart
// request (compare with the last previewed record, copy, request) to the
// first new frame being ready, with the worker idle; and the same when the
// edit lands while a render runs (stop, then render again). Figures for
// several frame costs; then the same with Rnd_Software drawing a sample
// effect at the medium preview size (64 x 64), and what an Effects page
// icon that plays costs: its 30 frames at icon size with Rnd_Software.
// Run: preview_latency_bench [--figures] [runs]
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <mutex>
#include <vector>

#include <unistd.h>

#include "figures.h"
#include "model/files/effect_file.h"
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

using Previewed = std::shared_ptr<const vta::EffectSettings>;

// What the edit session does after an edit with automatic preview on: one
// copy, shared with the worker.
void restartAfterEdit(vta::PreviewRenderer& engine, vta::EffectSettings& record,
                      Previewed& lastPreviewed) {
  record.globalParams[VTA_IMAGE_QUALITY] = 1.0f - record.globalParams[VTA_IMAGE_QUALITY];
  if (lastPreviewed && !record.differs(*lastPreviewed)) return;
  auto copy = std::make_shared<vta::EffectSettings>();
  copy->copyFrom(record);
  lastPreviewed = copy;
  if (engine.isBusy()) engine.requestStop();
  engine.requestRender(lastPreviewed, nullptr);
}

double milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void waitIdle(const vta::PreviewRenderer& engine) {
  while (engine.isBusy()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

double report(const char* what, const char* frame, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-34s %s: median %7.2f ms, max %7.2f ms (%zu runs)\n", what, frame,
              times[times.size() / 2], times.back(), times.size());
  return times[times.size() / 2];
}

// Edits on record, each with the worker idle, then each while it renders
// (frameMs: the cost of a frame); the medians of both, in milliseconds.
std::pair<double, double> measure(const vta::EffectSettings& edited, int frameMs, int runs,
                                  const char* frame) {
  FrameClock clock;
  vta::PreviewRenderer engine(false, &clock);
  vta::EffectSettings record;
  Previewed lastPreviewed;
  record.copyFrom(edited);
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
  return {report("edit to first frame, idle worker", frame, idle),
          report("edit to first frame, during render", frame, busy)};
}

// A private installation holding the sample effects and preview pictures
// with Rnd_Software as the preview's renderer, at the medium size.
class SampleInstallation {
 public:
  SampleInstallation()
      : root_(std::filesystem::temp_directory_path() /
              ("vta-preview-bench-" + std::to_string(::getpid()))) {
    namespace fs = std::filesystem;
    const fs::path samples = VTA_SAMPLE_INSTALL_DIR;
    fs::create_directories(root_ / "LIBS");
    for (const char* folder : {"EFFECTS", "Textures", "WARPS"})
      fs::create_directory_symlink(samples / folder, root_ / folder);
    fs::copy_file(samples / "LIBS" / "Rnd_Software.so", root_ / "LIBS" / "Rnd_Software.dll");
    vta::writeRegistryString("Path", root_.c_str());
    vta::writeRegistryString("Prev_Engine", "Rnd_Software");
    vta::writeRegistryDword("Prev_Quality", 1);
  }
  ~SampleInstallation() { std::filesystem::remove_all(root_); }

 private:
  std::filesystem::path root_;
};

double measureSoftware(int runs) {
  SampleInstallation installation;
  vta::EffectSettings record;
  std::strncpy(record.effectName, "Page Turn Right", vta::kEffectNameSize - 1);
  record.globalParams[VTA_QUALITY] = 1;
  record.globalParams[VTA_LIGHTING] = 1;
  std::printf("Rnd_Software, \"%s\", 30 frames of 64 x 64\n", record.effectName);
  return measure(record, 5, runs, "Rnd_Software").first;
}

// The whole sequence an icon plays, from the request to the last frame, for
// the first sample effects; the median over effects and runs.
double measureIconPlay(int runs) {
  SampleInstallation installation;
  FrameClock clock;
  vta::PreviewFormat icon;
  icon.width = 48;
  icon.height = 40;
  icon.frameCount = 30;
  vta::PreviewRenderer engine(false, icon, &clock);
  std::vector<double> times;
  for (const char* name : {"Page Turn Right", "Door Swing Open", "Cube Turn Left", "Water Ripple"}) {
    auto record = std::make_shared<vta::EffectSettings>();
    std::strncpy(record->effectName, name, vta::kEffectNameSize - 1);
    vta::EffectDescription effect;
    vta::loadDescription(effect, name, 0);
    for (int i = 0; i < runs; ++i) {
      const Clock::time_point start = Clock::now();
      engine.requestRender(record, &effect);
      while (!engine.isBusy() && Clock::now() - start < std::chrono::seconds(1))
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      waitIdle(engine);
      times.push_back(milliseconds(Clock::now() - start));
    }
  }
  return report("icon play, 30 frames of 48 x 40", "Rnd_Software", times);
}

}  // namespace

int main(int argc, char** argv) {
  bench::Figures figures(bench::takeFiguresFlag(argc, argv));
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
  for (int frameMs : {1, 5, 20}) {
    renderer.setDelay(frameMs);
    const std::string frame = "frame " + std::to_string(frameMs) + " ms";
    const auto [idle, busy] = measure(vta::EffectSettings{}, frameMs, runs, frame.c_str());
    figures.add("edit to first frame, test renderer " + frame + ", idle worker", idle, "ms");
    figures.add("edit to first frame, test renderer " + frame + ", during render", busy, "ms");
  }
  figures.add("edit to first frame, Rnd_Software 64 px", measureSoftware(runs), "ms");
  figures.add("icon play, whole sequence, Rnd_Software 48 x 40", measureIconPlay(runs), "ms");
  return 0;
}
