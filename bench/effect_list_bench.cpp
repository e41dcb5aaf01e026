// Times the effect-list update on a generated library of 1000 effects: a
// full rebuild of the current list (prepare, build, finish) and the check
// that finds nothing changed. Run: effect_list_bench [--figures] [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "figures.h"
#include "model/files/effect_list_update.h"
#include "platform/chunk_file.h"
#include "platform/settings_store.h"

namespace fs = std::filesystem;
using vta::fourCC;

namespace {

constexpr int kEffects = 1000;
constexpr int kPerGroup = vta::kMaxGroupItems;

std::string u32Bytes(uint32_t value) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(value >> shift);
  return bytes;
}

void put(vta::ChunkFile& file, uint32_t tag, const std::string& payload) {
  file.writeChunk(tag, static_cast<uint32_t>(payload.size()), payload.data());
}

// About 4 KiB: texts, flags, a 32 x 24 icon and three surfaces.
void writeEffect(const fs::path& path, int index) {
  vta::ChunkFile file;
  file.open(path.string().c_str(), fourCC("VTAE"), vta::kChunkWriteFile);
  put(file, fourCC("ETYP"), u32Bytes(1));
  put(file, fourCC("ENAM"), "Effect " + std::to_string(index) + '\0');
  put(file, fourCC("DESC"), std::string(120, 'd') + '\0');
  put(file, fourCC("VCNT"), u32Bytes(2));
  put(file, fourCC("VDSC"), u32Bytes(0) + "Front" + '\0');
  put(file, fourCC("VDSC"), u32Bytes(1) + "Back" + '\0');
  put(file, fourCC("ALOW"), u32Bytes(index % 10 == 0 ? 0 : 1));
  std::string icon = std::string{'\1', '\0', '\3', '\4'} + u32Bytes(32) + u32Bytes(24) +
                     u32Bytes(32) + u32Bytes(24) + u32Bytes(0) + u32Bytes(0) +
                     std::string(16, '\0');
  put(file, fourCC("IMG0"), icon + std::string(32 * 3 * 24, '\x40'));
  for (uint16_t id = 1; id <= 3; ++id) {
    std::string surface(382, '\0');
    surface[0] = static_cast<char>(id);
    put(file, fourCC("SRF0"), surface);
  }
}

void writeMaster(const fs::path& path) {
  vta::ChunkFile file;
  file.open(path.string().c_str(), fourCC("VTAG"), vta::kChunkWriteFile);
  for (int i = 0; i < kEffects; ++i) {
    if (i % kPerGroup == 0) {
      put(file, fourCC("OGRP"), "Group " + std::to_string(i / kPerGroup) + '\0');
    }
    put(file, fourCC("OITM"), "fx" + std::to_string(i) + '\0');
  }
}

void makeLibrary(const fs::path& root, const std::string& extension) {
  fs::create_directories(root / "Effects");
  fs::create_directories(root / "orgs");
  for (int i = 0; i < kEffects; ++i) {
    writeEffect(root / "Effects" / ("fx" + std::to_string(i) + extension), i);
  }
  writeMaster(root / "Effects" / "Master.lst");
  vta::writeRegistryString("Path", root.string().c_str());
}

template <class Step>
double medianMs(int runs, Step step) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    auto start = std::chrono::steady_clock::now();
    step();
    auto elapsed = std::chrono::steady_clock::now() - start;
    times.push_back(std::chrono::duration<double, std::milli>(elapsed).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void timeLibrary(const fs::path& root, const std::string& extension, int runs,
                 bench::Figures& figures) {
  makeLibrary(root, extension);
  int saved = 0;
  double rebuild = medianMs(runs, [&saved] {
    vta::writeRegistryDword("Effect_Count", 0);
    vta::EffectListUpdate update;
    if (update.prepare()) saved = update.build(nullptr);
    update.finish();
  });
  double check = medianMs(runs, [] {
    vta::EffectListUpdate update;
    update.prepare();
  });
  std::printf(
      "%d effects in %d groups, files named *%s: rebuild %.1f ms (saved %d), "
      "no-change check %.2f ms (median of %d)\n",
      kEffects, (kEffects + kPerGroup - 1) / kPerGroup, extension.c_str(), rebuild, saved, check,
      runs);
  figures.add("effect list rebuild, 1000 effects (*" + extension + ")", rebuild, "ms");
  figures.add("effect list no-change check, 1000 effects (*" + extension + ")", check, "ms");
}

}  // namespace

int main(int argc, char** argv) {
  bench::Figures figures(bench::takeFiguresFlag(argc, argv));
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const fs::path root = fs::temp_directory_path() / ("vta-bench-" + std::to_string(::getpid()));
  fs::create_directories(root);
  setenv("VANTARO_SETTINGS", (root / "settings.ini").string().c_str(), 1);
  // Effect files are looked up as "<name>.VTA"; other letter cases on disk
  // cost a folder scan per lookup on case-sensitive systems.
  timeLibrary(root / "exact", ".VTA", runs, figures);
  timeLibrary(root / "lower", ".vta", runs, figures);
  fs::remove_all(root);
  return 0;
}
