#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "contact_sheet.h"
#include "final_render.h"
#include "frame_files.h"
#include "mapped_file_check.h"
#include "model/files/defaults_file.h"
#include "render_args.h"
#include "render_commands.h"
#include "render_session.h"
#include "render_sources.h"
#include "text_file.h"

namespace vtafx {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The record to render: the preview's record for EFFECT or the saved one,
// then the --set options.
bool loadRecord(RenderArgs& r, vta::EffectSettings& record, std::string& error) {
  if (r.record.empty()) {
    previewRecord(record, r.effect);
  } else if (!vta::loadDefaultsFile(record, r.record.c_str())) {
    error = r.record + ": not a complete record file";
    return false;
  } else {
    r.effect.assign(record.effectName, strnlen(record.effectName, sizeof record.effectName));
    if (r.effect.empty()) error = r.record + ": the record names no effect";
  }
  for (const auto& [index, value] : r.options) *record.parameter(index) = value;
  return error.empty();
}

bool writeFrame(const std::string& path, const vta::host::RgbPicture& frame) {
  const Picture picture{frame.width, frame.height, frame.rgb};
  std::string error;
  if (std::strcmp(writtenPictureExtension(), ".png") == 0) return writePng(path, picture, error);
  return writeTextFile(path, writePpm(picture));
}

// Keeps and writes each frame, timing the render without the writing.
struct FrameCollector {
  explicit FrameCollector(const vta::host::FrameFolder& into) : folder(into) {}

  const vta::host::FrameFolder& folder;
  std::vector<vta::host::RgbPicture> frames;
  std::string unwritten;
  Clock::duration writing{};

  bool take(uint32_t i, const vta::host::RgbPicture& frame) {
    const Clock::time_point start = Clock::now();
    frames.push_back(frame);
    if (!folder.write(i, frame)) unwritten = folder.path(i);
    writing += Clock::now() - start;
    return unwritten.empty();
  }
};

}  // namespace

int runRender(const Args& args) {
  RenderArgs r;
  if (!parseRenderArgs(args, r))
    return report(kExitUsage,
                  "usage: vtafx render (EFFECT | --record FILE) --install DIR "
                  "[--size N|WxH] [--frames N] [--out DIR] [--from IMG --to IMG] "
                  "[--renderer LIB] [--set I=V]");
  std::error_code ec;
  fs::create_directories(r.out, ec);
  if (!useInstallation(r.install, (fs::path(r.out) / "vtafx-render.ini").string()))
    return report(kExitFailed, "cannot record the installation path");
  std::string error;
  vta::EffectSettings record;
  vta::host::RenderRequest request{r.width, r.height, r.frames, {}};
  if (!loadRecord(r, record, error) || !renderSources(r, request.sources, error))
    return report(kExitFailed, error);
  for (const std::string& file : unreadableMappedFiles(record.description))
    std::fprintf(stderr, "vtafx: warning: cannot read %s: its object shows its video source\n",
                 file.c_str());
  if (r.renderer.empty()) r.renderer = defaultRenderer(r.install);
  vta::host::RendererPlugin plugin;
  if (!plugin.load(r.renderer, error)) return report(kExitFailed, error);

  const vta::host::FrameFolder folder(r.out, r.effect, writtenPictureExtension(), writeFrame);
  FrameCollector collector{folder};
  const std::atomic<bool> never{false};
  const Clock::time_point start = Clock::now();
  const vta::host::RenderEnd end = vta::host::renderFrames(
      plugin, reinterpret_cast<VtaEffectSettings&>(record), request, never,
      [&](uint32_t i, const vta::host::RgbPicture& frame) { return collector.take(i, frame); });
  const Clock::duration rendering = Clock::now() - start - collector.writing;
  if (end != vta::host::RenderEnd::finished) {
    const std::string& unwritten = collector.unwritten;
    return report(kExitFailed,
                  unwritten.empty() ? "the render failed" : "cannot write " + unwritten);
  }
  std::string sheet =
      (fs::path(r.out) / (r.effect + "_sheet" + writtenPictureExtension())).string();
  if (!writePicture(sheet, fromRgbPicture(vta::host::contactSheet(collector.frames)), error))
    return report(kExitFailed, error);
  const double seconds = std::chrono::duration<double>(rendering).count();
  std::printf("%s: %u frames of %ux%u in %.4f s, %.0f frames per second\n", r.effect.c_str(),
              r.frames, r.width, r.height, seconds, seconds > 0 ? r.frames / seconds : 0.0);
  return kExitOk;
}

}  // namespace vtafx
