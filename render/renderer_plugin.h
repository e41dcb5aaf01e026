// A renderer plug-in bound for one render, as include/vantaro/renderer.h
// describes the binding: the module loaded and its entries found once; each
// worker of the render then has a context of its own (RendererContext),
// from Rnd_Prepare for its whole run of frames and freed with
// Rnd_FreeContext; at the end the module is unloaded.
#pragma once

#include <string>

#include "vantaro/renderer.h"

namespace vta::render {

class RendererPlugin {
 public:
  RendererPlugin() = default;
  ~RendererPlugin();
  RendererPlugin(const RendererPlugin&) = delete;
  RendererPlugin& operator=(const RendererPlugin&) = delete;

  // False, with error naming the module, when it cannot be loaded or lacks
  // Rnd_Prepare or Rnd_Render.
  bool load(const std::string& path, std::string& error);

 private:
  friend class RendererContext;
  void* module_ = nullptr;
  VtaRndPrepareFunction prepare_ = nullptr;
  VtaRndRenderFunction render_ = nullptr;
  VtaRndFreeContextFunction free_ = nullptr;
};

// One context of a loaded plug-in, used on one thread at a time.
class RendererContext {
 public:
  explicit RendererContext(const RendererPlugin& plugin) : plugin_(plugin) {}
  ~RendererContext();
  RendererContext(const RendererContext&) = delete;
  RendererContext& operator=(const RendererContext&) = delete;

  // Rnd_Prepare with the context so far; the result is the context from now on.
  void prepare(VtaEffectSettings& record, VtaRenderJob& job);
  void render(VtaEffectSettings& record, VtaRenderJob& job);

 private:
  const RendererPlugin& plugin_;
  void* context_ = nullptr;
};

}  // namespace vta::render
