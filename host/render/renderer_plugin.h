// A renderer plug-in bound for one render, as include/vantaro/renderer.h
// describes the binding: the module loaded, its entries found, one context
// from Rnd_Prepare for the whole run of frames, and at the end
// Rnd_FreeContext (for a context) and the module unloaded.
#pragma once

#include <string>

#include "vantaro/renderer.h"

namespace vta::host {

class RendererPlugin {
 public:
  RendererPlugin() = default;
  ~RendererPlugin();
  RendererPlugin(const RendererPlugin&) = delete;
  RendererPlugin& operator=(const RendererPlugin&) = delete;

  // False, with error naming the module, when it cannot be loaded or lacks
  // Rnd_Prepare or Rnd_Render.
  bool load(const std::string& path, std::string& error);
  // Rnd_Prepare with the context so far; the result is the context from now on.
  void prepare(VtaEffectSettings& record, VtaRenderJob& job);
  void render(VtaEffectSettings& record, VtaRenderJob& job);

 private:
  void* module_ = nullptr;
  void* context_ = nullptr;
  VtaRndPrepareFunction prepare_ = nullptr;
  VtaRndRenderFunction render_ = nullptr;
  VtaRndFreeContextFunction free_ = nullptr;
};

}  // namespace vta::host
