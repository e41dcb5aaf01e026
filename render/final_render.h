// A final render: the transition of a settings record rendered at the
// host's own size through a renderer plug-in, frame by frame, between the
// host's pictures, on one worker per core. Only the public SDK headers are
// used, as a third-party host would (the steps are in docs/sdk.md).
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "renderer_plugin.h"
#include "rgb_picture.h"

namespace vta::render {

// Sides beyond this are refused (as renderers refuse them).
constexpr uint32_t kMaxFrameSide = 8192;

struct RenderRequest {
  uint32_t width = 640;
  uint32_t height = 360;
  uint32_t frames = 50;
  // sources[k] is video source k + 1 (at most 20), fitted to the frame with
  // its aspect kept; sources not given, or empty, have no pixels.
  std::vector<RgbPicture> sources;
  // Workers, each with a renderer context of its own; 0: one per core.
  uint32_t threads = 1;
};

enum class RenderEnd { finished, cancelled, failed };

struct Frame {
  uint32_t index = 0;
  RgbPicture picture;
  std::string file;  // what FrameSink::encode made of it
};

// What becomes of each rendered frame. encode (optional) runs on the worker
// that rendered the frame, beside the other workers: the place for the slow
// part, such as making the bytes of its file. take then gets the frames one
// at a time in frame order. Either returns false to stop the render as
// failed.
struct FrameSink {
  std::function<bool(const RgbPicture& picture, std::string& file)> encode;
  std::function<bool(const Frame& frame)> take;
};

// Takes each finished frame in order; false stops the render as failed.
using FrameReceiver = std::function<bool(uint32_t index, const RgbPicture& frame)>;

// The workers, one per core if not capped.
uint32_t workerCount(uint32_t threads, uint32_t frames);

// Renders frame i at position i of range frames - 1 (range 1 for a single
// frame), from the outgoing to the incoming picture. Each worker prepares
// a context of its own with record once and renders the frames it claims;
// the frames reach the sink in order whatever worker drew them, and are
// the same bytes for any number of workers. cancel is read before each
// frame and, through the job's abort callback, while the plug-in draws one;
// after it no frame is handed on. Sizes of 0 or above kMaxFrameSide and 0
// frames fail.
RenderEnd renderFrames(const RendererPlugin& plugin, VtaEffectSettings& record,
                       const RenderRequest& request, const std::atomic<bool>& cancel,
                       const FrameSink& sink);
RenderEnd renderFrames(const RendererPlugin& plugin, VtaEffectSettings& record,
                       const RenderRequest& request, const std::atomic<bool>& cancel,
                       const FrameReceiver& receive);

}  // namespace vta::render
