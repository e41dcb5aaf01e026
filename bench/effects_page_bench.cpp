// Times what the Effects page does with effect files, on the sample
// installation: showing a group of 16 effects (each file read up to its icon,
// the icon copied into the page's slot) and selecting one (its file read
// whole). For comparison it also times reading all 16 files whole.
// Run: effects_page_bench [--figures] [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "figures.h"
#include "model/files/effect_file.h"
#include "model/files/group_list.h"
#include "platform/byte_order.h"
#include "platform/settings_store.h"

namespace fs = std::filesystem;

namespace {

// The first 16 effects of the sample installation, by file name.
std::vector<std::string> sixteenSampleEffects(const fs::path& install) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(install / "EFFECTS")) {
    if (entry.path().extension() == ".VTA") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  names.resize(std::min<size_t>(names.size(), vta::kMaxGroupItems));
  return names;
}

template <class Step>
double medianMs(int runs, Step step) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    auto start = std::chrono::steady_clock::now();
    step();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  bench::Figures figures(bench::takeFiguresFlag(argc, argv));
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
  const fs::path settings =
      fs::temp_directory_path() / ("vta-bench-" + std::to_string(::getpid()) + ".ini");
  setenv("VANTARO_SETTINGS", settings.string().c_str(), 1);
  vta::writeRegistryString("Path", VTA_SAMPLE_INSTALL_DIR);
  const std::vector<std::string> names = sixteenSampleEffects(VTA_SAMPLE_INSTALL_DIR);
  if (names.size() < vta::kMaxGroupItems) {
    std::fprintf(stderr, "fewer than 16 effects in %s/EFFECTS\n", VTA_SAMPLE_INSTALL_DIR);
    return 1;
  }

  vta::TextureImage icons[vta::kMaxGroupItems];
  int iconsWithPixels = 0;
  const double show = medianMs(runs, [&] {
    vta::EffectDescription iconOnly;
    iconsWithPixels = 0;
    for (size_t j = 0; j < names.size(); ++j) {
      vta::loadDescription(iconOnly, names[j].c_str(), vta::fourCC("IMG0"));
      icons[j].clear();
      icons[j].copyFrom(iconOnly.image);
      iconsWithPixels += icons[j].pixels ? 1 : 0;
    }
  });
  uint32_t components = 0;
  const double select = medianMs(runs, [&] {
    vta::EffectDescription selected;
    vta::loadDescription(selected, names[0].c_str(), 0);
    components = 0;
    for (const vta::ComponentList& list : selected.lists) components += list.count;
  });
  const double allWhole = medianMs(runs, [&] {
    vta::EffectDescription whole;
    for (const std::string& name : names) vta::loadDescription(whole, name.c_str(), 0);
  });

  std::printf("show a group of %zu sample effects (icons only): %.3f ms, %d icons of %ux%u\n",
              names.size(), show, iconsWithPixels, icons[0].width, icons[0].height);
  std::printf("select one (\"%s\", whole file, %u components): %.3f ms\n", names[0].c_str(),
              components, select);
  std::printf(
      "show and select: %.3f ms; reading all %zu files whole instead: %.3f ms "
      "(median of %d)\n",
      show + select, names.size(), allWhole, runs);
  figures.add("show a group of 16 effects", show, "ms");
  figures.add("select an effect", select, "ms");
  fs::remove(settings);
  return 0;
}
