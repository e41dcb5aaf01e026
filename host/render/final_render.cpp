#include "final_render.h"

#include "job_image.h"

namespace vta::host {
namespace {

// The abort callback takes no argument: it answers for the render running
// on the thread that asks, the thread that called Rnd_Render.
thread_local const std::atomic<bool>* t_cancel = nullptr;

int VTA_CALL cancelRequested() { return t_cancel && t_cancel->load() ? 1 : 0; }

struct CancelScope {
  explicit CancelScope(const std::atomic<bool>& cancel) { t_cancel = &cancel; }
  ~CancelScope() { t_cancel = nullptr; }
};

// The job and the pictures its images point into.
struct FrameJob {
  VtaRenderJob job{};
  std::vector<JobImage> sources;
  JobImage output;

  explicit FrameJob(const RenderRequest& request) : output(request.width, request.height) {
    job.width = request.width;
    job.height = request.height;
    job.sourceCount = VTA_RENDER_SOURCE_COUNT;
    job.previewMark = 1;  // draw into the output, not into a device context
    job.abortCallback = cancelRequested;
    for (size_t k = 0; k < request.sources.size() && k < VTA_RENDER_SOURCE_COUNT; ++k)
      sources.emplace_back(fitPicture(request.sources[k], request.width, request.height));
    for (size_t k = 0; k < sources.size(); ++k) sources[k].describe(job.sources[k]);
    output.describe(job.output);
  }
};

bool validRequest(const RenderRequest& r) {
  return r.width > 0 && r.height > 0 && r.width <= kMaxFrameSide && r.height <= kMaxFrameSide &&
         r.frames > 0;
}

}  // namespace

RenderEnd renderFrames(RendererPlugin& plugin, VtaEffectSettings& record,
                       const RenderRequest& request, const std::atomic<bool>& cancel,
                       const FrameReceiver& receive) {
  if (!validRequest(request)) return RenderEnd::failed;
  CancelScope scope(cancel);
  FrameJob frame(request);
  frame.job.range = request.frames > 1 ? request.frames - 1 : 1;
  plugin.prepare(record, frame.job);
  for (uint32_t i = 0; i < request.frames; ++i) {
    if (cancel) return RenderEnd::cancelled;
    frame.job.position = i;
    plugin.render(record, frame.job);
    if (cancel) return RenderEnd::cancelled;
    if (!receive(i, frame.output.picture())) return RenderEnd::failed;
  }
  return RenderEnd::finished;
}

}  // namespace vta::host
