// Times final renders at 1920 x 1080 as `vtafx render` makes them: 50 frames
// of each timed effect through the render library, on one worker and on one
// per core, the frames alone and with their PNG files; then 50 frames of
// ffmpeg's xfade between the same two pictures at the same size, on one
// thread and on ffmpeg's default threads. Times are wall-clock seconds (the
// point of several workers), so other work on the machine counts: compare
// runs made on a quiet machine.
//
//   final_render_bench [--figures] [INSTALL_DIR [RENDERER]]
//
// With VTA_BENCH_EFFECT set, only that effect is timed.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "figures.h"
#include "final_render.h"
#include "frame_files.h"
#include "image_io.h"
#include "placeholders.h"
#include "render_session.h"
#include "render_sources.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr uint32_t kWidth = 1920, kHeight = 1080, kFrames = 50;
// The effects of the whole-command figures, and the slowest at 128 pixels.
const char* const kEffects[] = {"Falling Leaf", "Cube Turn Left", "Water Ripple", "Rippling Sheet"};

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

bool encodePng(const vta::render::RgbPicture& frame, std::string& file) {
  return vtafx::quickPng(frame.width, frame.height, frame.rgb.data(), file);
}

struct Timing {
  const vta::render::RendererPlugin& plugin;
  const std::vector<vta::render::RgbPicture>& sources;
  fs::path work;

  // Seconds for the frames of effect on threads workers (0: one per core),
  // with their PNG files written to work or without.
  double seconds(const std::string& effect, uint32_t threads, bool files) const {
    vta::EffectSettings record;
    vtafx::previewRecord(record, effect);
    const vta::render::RenderRequest request{kWidth, kHeight, kFrames, sources, threads};
    const vta::render::FrameFolder folder(work.string(), "frame", ".png", encodePng);
    std::string unwritten;
    const auto kept = [](uint32_t, const vta::render::RgbPicture&) { return true; };
    const vta::render::FrameSink sink =
        files ? folder.sink(kept, unwritten)
              : vta::render::FrameSink{{}, [](const vta::render::Frame&) { return true; }};
    const std::atomic<bool> never{false};
    const Clock::time_point start = Clock::now();
    const vta::render::RenderEnd end = vta::render::renderFrames(
        plugin, reinterpret_cast<VtaEffectSettings&>(record), request, never, sink);
    const double taken = secondsSince(start);
    return end == vta::render::RenderEnd::finished ? taken : -1;
  }
};

// Wall seconds ffmpeg needs for kFrames cross-faded frames of the two
// pictures on threads threads (0: its default).
double timeFfmpeg(const fs::path& work, uint32_t threads) {
  const std::string limit = threads ? "-threads " + std::to_string(threads) +
                                          " -filter_threads " + std::to_string(threads) + " "
                                    : "";
  const std::string command =
      "ffmpeg -loglevel error " + limit + "-y -loop 1 -framerate 25 -t 2 -i '" +
      (work / "from.png").string() + "' -loop 1 -framerate 25 -t 2 -i '" +
      (work / "to.png").string() +
      "' -filter_complex xfade=transition=fade:duration=2:offset=0 -frames:v " +
      std::to_string(kFrames) + " -f null - 2>/dev/null";
  const Clock::time_point start = Clock::now();
  if (std::system(command.c_str()) != 0) return -1;
  return secondsSince(start);
}

bool writeFfmpegPictures(const fs::path& work, const std::vector<vta::render::RgbPicture>& cards) {
  std::string error;
  for (int k = 0; k < 2; ++k) {
    const vta::render::RgbPicture fitted = vta::render::fitPicture(cards[k], kWidth, kHeight);
    const char* name = k == 0 ? "from.png" : "to.png";
    if (!vtafx::writePicture((work / name).string(), vtafx::fromRgbPicture(fitted), error))
      return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  bench::Figures figures(bench::takeFiguresFlag(argc, argv));
  const std::string install = argc > 1 ? argv[1] : VTA_SAMPLE_INSTALL_DIR;
  const std::string renderer = argc > 2 ? argv[2] : RND_SOFTWARE_PATH;
  const fs::path work = fs::temp_directory_path() / "final_render_bench";
  fs::create_directories(work);
  vtafx::useInstallation(install, (work / "settings.ini").string());
  vta::render::RendererPlugin plugin;
  std::string error;
  if (!plugin.load(renderer, error)) return std::fprintf(stderr, "%s\n", error.c_str()), 1;
  std::vector<vta::render::RgbPicture> cards;
  for (int k = 1; k <= vtafx::kPlaceholderSources; ++k)
    cards.push_back(vtafx::toRgbPicture(vtafx::placeholderPicture(k, kHeight)));
  const Timing timing{plugin, cards, work};

  std::vector<std::string> effects(std::begin(kEffects), std::end(kEffects));
  if (const char* only = std::getenv("VTA_BENCH_EFFECT")) effects = {only};
  const uint32_t cores = vta::render::workerCount(0, kFrames);
  std::printf("%-18s %14s %14s %14s %14s   (50 frames of 1920 x 1080, fps)\n", "effect",
              "1 thread", "all threads", "1 thread+PNG", "all+PNG");
  for (const std::string& effect : effects) {
    std::printf("%-18s", effect.c_str());
    for (bool files : {false, true})
      for (uint32_t threads : {1u, 0u}) {
        const double s = timing.seconds(effect, threads, files);
        if (s <= 0) return std::fprintf(stderr, "\n%s: the render failed\n", effect.c_str()), 1;
        const std::string what = std::string(threads ? "1 thread" : "all threads") +
                                 (files ? " with PNG" : "");
        figures.add("1080p " + what + "/" + effect, s, "s");
        std::printf(" %14.1f", kFrames / s);
      }
    std::printf("\n");
  }
  std::printf("all threads: %u workers\n", cores);
  if (!writeFfmpegPictures(work, cards)) return std::printf("ffmpeg xfade: no pictures\n"), 0;
  for (uint32_t threads : {1u, 0u}) {
    const double s = timeFfmpeg(work, threads);
    if (s < 0) return std::printf("ffmpeg xfade: not available\n"), 0;
    const std::string what = threads ? "1 thread" : "default threads";
    figures.add("1080p ffmpeg xfade " + what, s, "s");
    std::printf("ffmpeg xfade, 50 frames at 1920 x 1080, %s: %.3f s (%.0f fps)\n", what.c_str(), s,
                kFrames / s);
  }
  return 0;
}
