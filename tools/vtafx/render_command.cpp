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

// The bytes of a frame's file: a quickly made PNG where the build has
// PNG, else PPM.
bool encodeFrame(const vta::render::RgbPicture& frame, std::string& file) {
  if (std::strcmp(writtenPictureExtension(), ".png") == 0)
    return quickPng(frame.width, frame.height, frame.rgb.data(), file);
  file = writePpm(Picture{frame.width, frame.height, frame.rgb});
  return true;
}

}  // namespace

int runRender(const Args& args) {
  RenderArgs r;
  if (!parseRenderArgs(args, r))
    return report(kExitUsage,
                  "usage: vtafx render (EFFECT | --record FILE) --install DIR "
                  "[--size N|WxH] [--frames N] [--threads N] [--out DIR] "
                  "[--from IMG --to IMG] [--renderer LIB] [--set I=V]");
  std::error_code ec;
  fs::create_directories(r.out, ec);
  if (!useInstallation(r.install, (fs::path(r.out) / "vtafx-render.ini").string()))
    return report(kExitFailed, "cannot record the installation path");
  std::string error;
  vta::EffectSettings record;
  vta::render::RenderRequest request{r.width, r.height, r.frames, {}, r.threads};
  if (!loadRecord(r, record, error) || !renderSources(r, request.sources, error))
    return report(kExitFailed, error);
  for (const std::string& file : unreadableMappedFiles(record.description))
    std::fprintf(stderr, "vtafx: warning: cannot read %s: its object shows its video source\n",
                 file.c_str());
  if (r.renderer.empty()) r.renderer = defaultRenderer(r.install);
  vta::render::RendererPlugin plugin;
  if (!plugin.load(r.renderer, error)) return report(kExitFailed, error);

  const vta::render::FrameFolder folder(r.out, r.effect, writtenPictureExtension(), encodeFrame);
  std::vector<vta::render::RgbPicture> thumbnails;
  std::string unwritten;
  const vta::render::FrameSink sink = folder.sink(
      [&](uint32_t, const vta::render::RgbPicture& frame) {
        thumbnails.push_back(vta::render::sheetThumbnail(frame));
        return true;
      },
      unwritten);
  const std::atomic<bool> never{false};
  const Clock::time_point start = Clock::now();
  const vta::render::RenderEnd end = vta::render::renderFrames(
      plugin, reinterpret_cast<VtaEffectSettings&>(record), request, never, sink);
  const Clock::duration rendering = Clock::now() - start;
  if (end != vta::render::RenderEnd::finished)
    return report(kExitFailed,
                  unwritten.empty() ? "the render failed" : "cannot write " + unwritten);
  const std::string sheet =
      (fs::path(r.out) / (r.effect + "_sheet" + writtenPictureExtension())).string();
  std::string sheetFile;
  if (!encodeFrame(vta::render::contactSheet(thumbnails), sheetFile) ||
      !writeTextFile(sheet, sheetFile))
    return report(kExitFailed, "cannot write " + sheet);
  const double seconds = std::chrono::duration<double>(rendering).count();
  std::printf("%s: %u frames of %ux%u in %.4f s, %.0f frames per second (%u threads, files "
              "included)\n",
              r.effect.c_str(), r.frames, r.width, r.height, seconds,
              seconds > 0 ? r.frames / seconds : 0.0,
              vta::render::workerCount(r.threads, r.frames));
  return kExitOk;
}

}  // namespace vtafx
