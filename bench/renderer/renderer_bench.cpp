// Times Rnd_Software on every sample effect: 200 frames at 32, 64 and 128
// pixels, one thread, plain, with antialiasing and (where a light casts
// them) with shadows; then the same 200 frames of a plain cross-fade through
// ffmpeg's xfade filter (one thread) at each size from the same two source
// pictures, for comparison. Times are CPU seconds of the rendering thread
// and of ffmpeg, so that other work on the machine does not count.
//
//   renderer_bench [--figures] [INSTALL_DIR [RENDERER]]
//
// With VTA_BENCH_EFFECT set, only that effect is timed (for profiling).

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <time.h>

#include "figures.h"
#include "model/components/light_fields.h"
#include "model/files/effect_file.h"
#include "render_session.h"
#include "vantaro/vantaro.h"

namespace {

namespace fs = std::filesystem;

double threadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec * 1e-9;
}

double childrenSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

constexpr uint32_t kFrames = 200;
const uint32_t kSizes[] = {32, 64, 128};

std::vector<std::string> sampleEffects(const std::string& install) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(install) / "EFFECTS"))
    if (entry.path().extension() == ".VTA") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Seconds for kFrames frames of effect at size, with global option option
// (if any) set to value.
double timeEffect(vtafx::RenderSession& session, const std::string& effect, uint32_t size,
                  int option = -1, float value = 0) {
  session.setUp(size, vtafx::placeholderSources(size), nullptr);
  vta::EffectSettings record;
  vtafx::previewRecord(record, effect);
  if (option >= 0) record.globalParams[option] = value;
  session.prepare(record);
  session.render(record, 0, kFrames - 1);  // loads the effect outside the timing
  double start = threadSeconds();
  for (uint32_t i = 0; i < kFrames; ++i) session.render(record, i, kFrames - 1);
  return threadSeconds() - start;
}

// Whether one of the effect's lights casts shadows.
bool castsShadows(const std::string& effect) {
  vta::EffectDescription description;
  if (!vta::loadDescription(description, effect.c_str(), 0)) return false;
  for (auto* c = description.lists[vta::kLights].head; c; c = c->next)
    if (vta::lightSetup(*static_cast<const vta::LightComponent*>(c)).castsShadows) return true;
  return false;
}

// CPU seconds ffmpeg needs, as a whole process on one thread, for kFrames
// cross-faded frames of the two placeholder pictures of size pixels.
double timeFfmpeg(const fs::path& work, uint32_t size) {
  std::string error;
  auto pictures = vtafx::placeholderSources(size);
  vtafx::writePicture((work / "from.png").string(), pictures[0], error);
  vtafx::writePicture((work / "to.png").string(), pictures[1], error);
  std::string command =
      "ffmpeg -loglevel error -threads 1 -filter_threads 1 -y -loop 1 -framerate 25 -t 8 -i '" +
      (work / "from.png").string() + "' -loop 1 -framerate 25 -t 8 -i '" +
      (work / "to.png").string() +
      "' -filter_complex xfade=transition=fade:duration=8:offset=0 -frames:v " +
      std::to_string(kFrames) + " -f null - 2>/dev/null";
  double start = childrenSeconds();
  if (std::system(command.c_str()) != 0) return -1;
  return childrenSeconds() - start;
}

std::string key(const char* what, uint32_t size, const std::string& effect) {
  return std::string("render ") + what + " " + std::to_string(size) + " px/" + effect;
}

}  // namespace

int main(int argc, char** argv) {
  bench::Figures figures(bench::takeFiguresFlag(argc, argv));
  std::string install = argc > 1 ? argv[1] : VTA_SAMPLE_INSTALL_DIR;
  std::string renderer = argc > 2 ? argv[2] : RND_SOFTWARE_PATH;
  fs::path work = fs::temp_directory_path() / "renderer_bench";
  fs::create_directories(work);
  vtafx::useInstallation(install, (work / "settings.ini").string());
  vtafx::RenderSession session;
  std::string error;
  if (!session.load(renderer, error)) return std::fprintf(stderr, "%s\n", error.c_str()), 1;

  std::printf("%-24s %26s %26s %26s\n", "effect (200 frames)", "32 px: s  fps  AA x",
              "64 px: s  fps  AA x", "128 px: s  fps  AA x");
  double total128 = 0, worst128 = 0;
  std::string shadowed;
  std::vector<std::string> effects = sampleEffects(install);
  if (const char* only = std::getenv("VTA_BENCH_EFFECT")) effects = {only};
  for (const std::string& effect : effects) {
    std::printf("%-24s", effect.c_str());
    const bool shadows = castsShadows(effect);
    for (uint32_t size : kSizes) {
      double plain = timeEffect(session, effect, size);
      double smooth = timeEffect(session, effect, size, VTA_ANTIALIASING, 1);
      figures.add(key("plain", size, effect), plain, "s");
      figures.add(key("antialiased", size, effect), smooth, "s");
      std::printf("   %7.4f %7.0f %5.2f   ", plain, kFrames / plain, smooth / plain);
      if (shadows) {
        double shaded = timeEffect(session, effect, size, VTA_SHADOWS, 100);
        figures.add(key("shadows", size, effect), shaded, "s");
        if (size == 128)
          shadowed += "  " + effect + " " + std::to_string(shaded / plain).substr(0, 4) + "x";
      }
      if (size == 128) total128 += plain, worst128 = std::max(worst128, plain);
    }
    std::printf("\n");
  }
  double mean128 = total128 / effects.size();
  std::printf("128 px, no antialiasing: mean %.4f s (%.0f fps), slowest %.4f s per 200 frames\n",
              mean128, kFrames / mean128, worst128);
  std::printf("128 px, shadows at 100 (effects that cast them):%s\n", shadowed.c_str());
  for (uint32_t size : kSizes) {
    double ffmpeg = timeFfmpeg(work, size);
    if (ffmpeg < 0) return std::printf("ffmpeg xfade: not available\n"), 0;
    figures.add("ffmpeg xfade " + std::to_string(size) + " px", ffmpeg, "s");
    std::printf("ffmpeg xfade, 200 frames at %u px: %.4f s (%.0f fps)\n", size, ffmpeg,
                kFrames / ffmpeg);
  }
  return 0;
}
