#include "render_context.h"

#include <cstring>

#include "model/files/effect_file.h"
#include "mapped_surfaces.h"
#include "output_image.h"
#include "view_blit.h"

namespace rnd {

vta::EffectDescription* RenderContext::effect(const char* effectName) {
  size_t length = strnlen(effectName, vta::kEffectNameSize);
  if (length == 0 || length == vta::kEffectNameSize) return nullptr;
  std::string name(effectName, length);
  auto found = effects_.find(name);
  if (found != effects_.end()) return found->second.get();
  auto description = std::make_unique<vta::EffectDescription>();
  if (!vta::loadDescription(*description, name.c_str(), 0)) return nullptr;
  if (effects_.size() >= kMaxEffects) effects_.clear();
  return (effects_[name] = std::move(description)).get();
}

void RenderContext::render(const vta::EffectSettings& record, const VtaRenderJob& job) {
  VtaWarpImage view;
  if (!outputView(job, view)) return;
  vta::EffectDescription* description = effect(record.effectName);
  if (!description) return;
  mappedPictures(mapped_, *description, record.description, job.position,
                 buffers_.scene.mappedPictures);
  AbortPoll abort(job.abortCallback);
  if (renderFrame(buffers_, *description, record, job, abort)) writeOutput(buffers_.image, view);
}

bool RenderContext::renderView(const vta::EffectSettings& record, const VtaRenderJob& job,
                               CameraView& camera) {
  vta::EffectDescription* description = effect(record.effectName);
  if (!description) return false;
  mappedPictures(mapped_, *description, record.description, job.position,
                 viewBuffers_.scene.mappedPictures);
  return renderPathView(viewBuffers_, *description, record, job, camera);
}

bool RenderContext::drawView(const vta::EffectSettings& record, const VtaRenderJob& job) {
  CameraView camera;
  return renderView(record, job, camera) && blitToDevice(job.viewDC, viewBuffers_.image);
}

}  // namespace rnd
