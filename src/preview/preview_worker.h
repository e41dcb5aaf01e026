#pragma once
// The preview engine's worker thread: binds the preview renderer, waits for
// render requests and renders each one into the engine's frames.

#include <cstdint>
#include <memory>

#include "model/effect_settings.h"
#include "platform/dynamic_library.h"
#include "preview/preview_renderer.h"
#include "preview/render_job.h"
#include "preview/renderer_binding.h"

namespace vta {

class PreviewWorker {
 public:
  // Made on the worker thread, which from then on belongs to engine.
  explicit PreviewWorker(PreviewRenderer& engine);
  PreviewWorker(const PreviewWorker&) = delete;
  PreviewWorker& operator=(const PreviewWorker&) = delete;

  // Renders requests until the engine asks to quit; returns at once when
  // the renderer cannot be bound.
  void run();

 private:
  void render();
  void renderFrames();
  void renderSequence();
  // One Rnd_Render call into frame i at position / range.
  void renderFrame(uint32_t i, uint32_t position, uint32_t range);
  void finishRender();
  bool quitting() const { return engine_.quitRequested_ != 0; }

  PreviewRenderer& engine_;
  DynamicLibrary module_;
  RendererEntries entries_;
  void* context_ = nullptr;
  // The request's record, shared with the dialog thread and never changed
  // (kept while the renderer reads its components), and the renderer's view
  // of it: the same options and components with the filter switch this
  // preview's kind says.
  std::shared_ptr<const EffectSettings> record_;
  VtaEffectSettings view_;
  PreviewEffect effect_;
  RenderJob job_;
};

}  // namespace vta
