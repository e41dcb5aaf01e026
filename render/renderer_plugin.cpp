#include "renderer_plugin.h"

#include "plugin_module.h"

namespace vta::render {
namespace {

template <typename Function>
Function entry(void* module, const char* name) {
  return reinterpret_cast<Function>(moduleEntry(module, name));
}

}  // namespace

RendererPlugin::~RendererPlugin() {
  if (module_) closeModule(module_);
}

bool RendererPlugin::load(const std::string& path, std::string& error) {
  module_ = openModule(path);
  if (!module_) {
    error = "The renderer " + path + " could not be loaded.";
    return false;
  }
  prepare_ = entry<VtaRndPrepareFunction>(module_, VTA_RND_PREPARE);
  render_ = entry<VtaRndRenderFunction>(module_, VTA_RND_RENDER);
  free_ = entry<VtaRndFreeContextFunction>(module_, VTA_RND_FREE_CONTEXT);
  if (prepare_ && render_) return true;
  error = "The renderer " + path + " lacks Rnd_Prepare or Rnd_Render.";
  return false;
}

RendererContext::~RendererContext() {
  if (context_ && plugin_.free_) plugin_.free_(context_);
}

void RendererContext::prepare(VtaEffectSettings& record, VtaRenderJob& job) {
  context_ = plugin_.prepare_(context_, &record, &job);
}

void RendererContext::render(VtaEffectSettings& record, VtaRenderJob& job) {
  plugin_.render_(context_, &record, &job);
}

}  // namespace vta::render
