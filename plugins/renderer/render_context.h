#pragma once
// What a renderer context keeps between calls: the effects it has loaded
// (descriptions with their textures and warp plug-ins) and its frame
// buffers and those of the path editor's view, and the mapped files'
// decoded frames. Rnd_Prepare fills the cache;
// Rnd_Render draws from it. Contexts share nothing that changes, so two of
// them may draw at once on two threads.

#include <map>
#include <memory>
#include <string>

#include "abort_poll.h"
#include "frame_renderer.h"
#include "mapped_frames.h"
#include "model/effect_settings.h"
#include "path_view.h"

namespace rnd {

class RenderContext {
 public:
  // The description of the effect named by the record, loaded through the
  // library's effect files on first use; null when it cannot be read.
  vta::EffectDescription* effect(const char* effectName);

  // Draws the job's frame. Writes the output only when the whole frame was
  // drawn; a job it cannot draw leaves the output as it was.
  void render(const vta::EffectSettings& record, const VtaRenderJob& job);

  // Draws a path-editor job's view into its device context (viewDC).
  // False when nothing was drawn there.
  bool drawView(const vta::EffectSettings& record, const VtaRenderJob& job);
  // Draws the view into viewImage() and gives the camera it used; false
  // when it could not be drawn.
  bool renderView(const vta::EffectSettings& record, const VtaRenderJob& job, CameraView& camera);
  const FrameImage& viewImage() const { return viewBuffers_.image; }

 private:
  // Loaded effects kept at most; older ones are dropped beyond it.
  static constexpr size_t kMaxEffects = 32;

  std::map<std::string, std::unique_ptr<vta::EffectDescription>> effects_;
  FrameBuffers buffers_;
  PathViewBuffers viewBuffers_;
  MappedFrames mapped_;  // decoded frames of the files surfaces map
};

}  // namespace rnd
