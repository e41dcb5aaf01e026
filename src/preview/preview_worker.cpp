#include "preview/preview_worker.h"

#include <algorithm>
#include <cmath>

#include "platform/boundary.h"

namespace vta {
namespace {

constexpr uint32_t kOneFrameRange = 100;
// A one-frame preview with no effect selected shows the middle.
constexpr uint32_t kNoEffectPosition = 50;

// The engine whose worker runs on this thread, for the abort callback.
thread_local PreviewRenderer* t_engine = nullptr;

// v truncated toward zero, 0 for negatives and not-a-number.
uint32_t truncated(double v) {
  if (!(v > 0.0)) return 0;
  return v >= 4294967295.0 ? UINT32_MAX : static_cast<uint32_t>(v);
}

}  // namespace

int VTA_CALL PreviewRenderer::abortRequested() {
  return t_engine && t_engine->stopRequested_ ? 1 : 0;
}

PreviewWorker::PreviewWorker(PreviewRenderer& engine) : engine_(engine) { t_engine = &engine; }

void PreviewWorker::run() {
  if (!guarded(false, [this] { return loadRenderer(true, module_, entries_); })) return;
  while (engine_.waitForRequest()) {
    const bool rendered = guarded(false, [this] {
      render();
      return true;
    });
    // A render that failed ends as a stopped one.
    if (!rendered) {
      engine_.stopRequested_ = 1;
      finishRender();
    }
    if (quitting()) break;
  }
  if (context_ && entries_.freeContext) entries_.freeContext(context_);
  unloadRenderer(module_);
}

void PreviewWorker::render() {
  engine_.clearFrames();
  engine_.takeRequest(record_, effect_);
  view_ = *reinterpret_cast<const VtaEffectSettings*>(record_.get());
  // The renderer knows filter mode by this option; a record kept from an
  // earlier use of the other kind must not switch it.
  view_.globalParams[VTA_FILTER_ON] = engine_.filterMode_ ? 1.0f : 0.0f;
  engine_.reportState();
  job_.copyFrom(engine_.jobTemplate_);
  if (effect_.selected) {
    job_.sourceCount = std::min<uint32_t>(effect_.variantCount, kRenderSourceCount);
  }
  auto* job = reinterpret_cast<VtaRenderJob*>(&job_);
  if (entries_.prepare) context_ = entries_.prepare(context_, &view_, job);
  renderFrames();
  finishRender();
}

void PreviewWorker::renderFrames() {
  if (engine_.filterMode_) {
    // A frame count below 1 (0, a fraction, not a number) renders as one
    // frame's range: no renderer is handed a range of 0.
    const uint32_t range = std::max<uint32_t>(truncated(view_.globalParams[VTA_FILTER_FRAMES]), 1);
    renderFrame(0, truncated(view_.globalParams[VTA_FILTER_PERCENT] * 0.01 * range), range);
  } else if (engine_.frameCount_ == 1) {
    uint32_t position =
        effect_.selected ? std::min(truncated(effect_.best), kOneFrameRange) : kNoEffectPosition;
    if (view_.globalParams[VTA_FLY_MODE] == 1.0f) position = kOneFrameRange - position;
    renderFrame(0, position, kOneFrameRange);
  } else {
    renderSequence();
  }
}

// Frames 0 to frameCount - 1 at positions 0 to range, with progress after
// each; a stop or quit ends the sequence after the current frame.
void PreviewWorker::renderSequence() {
  const uint32_t range = engine_.frameCount_ - 1;
  for (uint32_t i = 0; i < engine_.frameCount_; ++i) {
    engine_.renderingFrame_ = i;
    renderFrame(i, i, range);
    engine_.reportProgress(static_cast<int>(i * 100 / range));
    if (engine_.stopRequested_ || quitting()) break;
  }
}

void PreviewWorker::renderFrame(uint32_t i, uint32_t position, uint32_t range) {
  job_.position = position;
  job_.range = range;
  job_.output.pixels = engine_.writableFrame(i);
  job_.output.ownsPixels = 0;
  if (entries_.render) {
    entries_.render(context_, &view_, reinterpret_cast<VtaRenderJob*>(&job_));
  }
}

// An abandoned render leaves grey frames; the progress bar returns to 0.
void PreviewWorker::finishRender() {
  engine_.busy_ = 0;
  if (quitting()) return;
  if (engine_.stopRequested_) engine_.clearFrames();
  engine_.reportProgress(0);
  engine_.renderingFrame_ = 0;
  engine_.stopRequested_ = 0;
  engine_.reportState();
}

}  // namespace vta
