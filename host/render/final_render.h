// A host's final render: the transition of a settings record rendered at the
// host's own size through a renderer plug-in, frame by frame, between the
// host's pictures. Only the public SDK headers are used, as a third-party
// host would (the steps are in docs/sdk.md).
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "renderer_plugin.h"
#include "rgb_picture.h"

namespace vta::host {

// Sides beyond this are refused (as renderers refuse them).
constexpr uint32_t kMaxFrameSide = 8192;

struct RenderRequest {
  uint32_t width = 640;
  uint32_t height = 360;
  uint32_t frames = 50;
  // sources[k] is video source k + 1 (at most 20), fitted to the frame with
  // its aspect kept; sources not given, or empty, have no pixels.
  std::vector<RgbPicture> sources;
};

enum class RenderEnd { finished, cancelled, failed };

// Takes each finished frame in order; false stops the render as failed.
using FrameReceiver = std::function<bool(uint32_t index, const RgbPicture& frame)>;

// Prepares the plug-in once with record, then renders frame i at position i
// of range frames - 1 (range 1 for a single frame), from the outgoing to
// the incoming picture. cancel is read before each frame and, through the
// job's abort callback, while the plug-in draws one; the frame it stopped
// is never handed on. Sizes of 0 or above kMaxFrameSide and 0 frames fail.
RenderEnd renderFrames(RendererPlugin& plugin, VtaEffectSettings& record,
                       const RenderRequest& request, const std::atomic<bool>& cancel,
                       const FrameReceiver& receive);

}  // namespace vta::host
