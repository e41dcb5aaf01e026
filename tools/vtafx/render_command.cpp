#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>

#include "contact_sheet.h"
#include "render_commands.h"
#include "render_session.h"

namespace vtafx {

namespace {

namespace fs = std::filesystem;

struct RenderArgs {
  std::string effect, install, out = ".", from, to, renderer;
  uint32_t size = 128, frames = 20;
  std::map<int, float> options;  // record reals by parameter index
};

bool parseNumber(const std::string& text, uint32_t low, uint32_t high, uint32_t& out) {
  char* end = nullptr;
  unsigned long value = std::strtoul(text.c_str(), &end, 10);
  if (text.empty() || *end || value < low || value > high) return false;
  out = static_cast<uint32_t>(value);
  return true;
}

bool parseOption(const std::string& text, std::map<int, float>& options) {
  size_t equals = text.find('=');
  uint32_t index = 0;
  if (equals == std::string::npos || !parseNumber(text.substr(0, equals), 0, 2009, index))
    return false;
  options[static_cast<int>(index)] = std::strtof(text.c_str() + equals + 1, nullptr);
  return true;
}

bool parseArgs(const Args& args, RenderArgs& r) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool hasValue = i + 1 < args.size();
    if (a.rfind("--", 0) != 0) {
      if (!r.effect.empty()) return false;
      r.effect = a;
    } else if (!hasValue) {
      return false;
    } else if (a == "--install") r.install = args[++i];
    else if (a == "--out") r.out = args[++i];
    else if (a == "--from") r.from = args[++i];
    else if (a == "--to") r.to = args[++i];
    else if (a == "--renderer") r.renderer = args[++i];
    else if (a == "--size") { if (!parseNumber(args[++i], 1, 4096, r.size)) return false; }
    else if (a == "--frames") { if (!parseNumber(args[++i], 1, 10000, r.frames)) return false; }
    else if (a == "--set") { if (!parseOption(args[++i], r.options)) return false; }
    else return false;
  }
  return !r.effect.empty() && !r.install.empty() && r.from.empty() == r.to.empty();
}

bool loadSources(const RenderArgs& r, std::vector<Picture>& sources, std::string& error) {
  sources = placeholderSources(r.size);
  if (r.from.empty()) return true;
  return readPicture(r.from, sources[0], error) && readPicture(r.to, sources[1], error);
}

std::string framePath(const RenderArgs& r, uint32_t i) {
  char name[32];
  std::snprintf(name, sizeof name, "_%03u%s", i, writtenPictureExtension());
  return (fs::path(r.out) / (r.effect + name)).string();
}

}  // namespace

int runRender(const Args& args) {
  RenderArgs r;
  if (!parseArgs(args, r))
    return report(kExitUsage, "usage: vtafx render EFFECT --install DIR [--size N] [--frames N] "
                              "[--out DIR] [--from IMG --to IMG] [--renderer LIB] [--set I=V]");
  std::error_code ec;
  fs::create_directories(r.out, ec);
  if (!useInstallation(r.install, (fs::path(r.out) / "vtafx-render.ini").string()))
    return report(kExitFailed, "cannot record the installation path");
  std::string error;
  std::vector<Picture> sources;
  if (!loadSources(r, sources, error)) return report(kExitFailed, error);
  if (r.renderer.empty()) r.renderer = defaultRenderer(r.install);
  RenderSession session;
  if (!session.load(r.renderer, error)) return report(kExitFailed, error);
  session.setUp(r.size, sources, nullptr);
  vta::EffectSettings record;
  previewRecord(record, r.effect);
  for (const auto& [index, value] : r.options) *record.parameter(index) = value;

  std::vector<Picture> frames;
  double seconds = 0;
  session.prepare(record);
  for (uint32_t i = 0; i < r.frames; ++i) {
    auto start = std::chrono::steady_clock::now();
    session.render(record, i, r.frames > 1 ? r.frames - 1 : 1);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    frames.push_back(session.output().toPicture());
    if (!writePicture(framePath(r, i), frames.back(), error)) return report(kExitFailed, error);
  }
  std::string sheet = (fs::path(r.out) / (r.effect + "_sheet" + writtenPictureExtension())).string();
  if (!writePicture(sheet, contactSheet(frames), error)) return report(kExitFailed, error);
  std::printf("%s: %u frames of %ux%u in %.4f s, %.0f frames per second\n", r.effect.c_str(),
              r.frames, r.size, r.size, seconds, seconds > 0 ? r.frames / seconds : 0.0);
  return kExitOk;
}

}  // namespace vtafx
