#pragma once
// Drives a renderer plug-in the way the preview does: one prepared context,
// a job with the sources and an output picture, frames rendered by position.
// Used by `vtafx check-renderer`, install's icons, the benchmark and the
// renderer tests; `vtafx render` renders through the render library
// (render/) and takes its record and installation from here.

#include <string>
#include <vector>

#include "image_io.h"
#include "placeholders.h"
#include "model/effect_settings.h"
#include "platform/dynamic_library.h"
#include "vantaro/renderer.h"

namespace vtafx {

// Points the library's settings at an installation (for effect files,
// textures and warps) through a private settings file beside it.
bool useInstallation(const std::string& installDir, const std::string& settingsFile);

// The installation's own software renderer: LIBS/Rnd_Software.so (.DLL on
// Windows) in installDir.
std::string defaultRenderer(const std::string& installDir);

// A square 24-bit picture as the job expects it: BGR, rows bottom-up.
struct JobPicture {
  uint32_t size = 0;
  std::vector<uint8_t> bytes;

  static JobPicture from(const Picture& rgbTopDown, uint32_t size);  // scaled to size
  Picture toPicture() const;
  void describe(VtaTextureImage& image);  // fills the job image's fields
};

class RenderSession {
 public:
  // Loads the plug-in and resolves its five entries; false when it cannot
  // be loaded or lacks Rnd_Prepare or Rnd_Render.
  bool load(const std::string& library, std::string& error);
  // A job of size x size with sources[k] as video source k + 1.
  void setUp(uint32_t size, const std::vector<Picture>& sources, VtaAbortFunction abort);
  // Rnd_Prepare with the record; once per run of frames.
  void prepare(vta::EffectSettings& record);
  // One frame into the output picture.
  void render(vta::EffectSettings& record, uint32_t position, uint32_t range);
  const JobPicture& output() const { return output_; }
  VtaRenderJob& job() { return job_; }
  // Rnd_FreeContext when a context exists.
  void finish();
  ~RenderSession() { finish(); }

  VtaRndCreateContextFunction createContext = nullptr;
  VtaRndFreeContextFunction freeContext = nullptr;
  VtaRndPrepareFunction prepareEntry = nullptr;
  VtaRndStaticVideoFunction staticVideo = nullptr;
  VtaRndRenderFunction renderEntry = nullptr;

 private:
  vta::DynamicLibrary library_;
  void* context_ = nullptr;
  VtaRenderJob job_{};
  std::vector<JobPicture> sources_;
  JobPicture output_;
};

// The record `vtafx render` starts from: the effect's name, lighting,
// perspective-correct mapping and bilinear filtering on, the rest 0.
void previewRecord(vta::EffectSettings& record, const std::string& effectName);

}  // namespace vtafx
