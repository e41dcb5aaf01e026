#include "final_render.h"

#include <algorithm>
#include <thread>

#include "frame_job.h"
#include "frame_order.h"
#include "job_image.h"
#include "platform/boundary.h"

namespace vta::render {
namespace {

// The abort callback takes no argument: it answers for the render running
// on the thread that asks, the worker that called Rnd_Render.
thread_local const FrameOrder* t_order = nullptr;

int VTA_CALL cancelRequested() { return t_order && t_order->stopping() ? 1 : 0; }

struct OrderScope {
  explicit OrderScope(const FrameOrder& order) { t_order = &order; }
  ~OrderScope() { t_order = nullptr; }
};

// The sources fitted to the frame, made once and only read by every
// worker's jobs.
std::vector<JobImage> fittedSources(const RenderRequest& request) {
  std::vector<JobImage> sources;
  for (size_t k = 0; k < request.sources.size() && k < VTA_RENDER_SOURCE_COUNT; ++k)
    sources.emplace_back(fitPicture(request.sources[k], request.width, request.height));
  return sources;
}

struct Render {
  const RendererPlugin& plugin;
  VtaEffectSettings& record;
  const RenderRequest& request;
  const FrameSink& sink;
  FrameOrder& order;
  std::vector<JobImage>& sources;

  void work() {
    OrderScope scope(order);
    RendererContext context(plugin);
    FrameJob frame(request.width, request.height, request.frames, sources, cancelRequested);
    context.prepare(record, frame.job);
    for (uint32_t i = 0; order.claim(i);) {
      frame.job.position = i;
      context.render(record, frame.job);
      if (order.stopping()) return;
      Frame done{i, frame.output.picture(), {}};
      if (sink.encode && !sink.encode(done.picture, done.file)) return order.fail();
      order.complete(std::move(done));
    }
  }

  // A worker's whole run, as a thread body: an exception fails the render.
  void guardedWork() {
    if (!guarded(false, [this] { return work(), true; })) order.fail();
  }
};

bool validRequest(const RenderRequest& r) {
  return r.width > 0 && r.height > 0 && r.width <= kMaxFrameSide && r.height <= kMaxFrameSide &&
         r.frames > 0;
}

}  // namespace

uint32_t workerCount(uint32_t threads, uint32_t frames) {
  const uint32_t cores = std::max(1u, std::thread::hardware_concurrency());
  return std::clamp(threads == 0 ? cores : threads, 1u, std::max(frames, 1u));
}

RenderEnd renderFrames(const RendererPlugin& plugin, VtaEffectSettings& record,
                       const RenderRequest& request, const std::atomic<bool>& cancel,
                       const FrameSink& sink) {
  if (!validRequest(request)) return RenderEnd::failed;
  const uint32_t workers = workerCount(request.threads, request.frames);
  FrameOrder order(request.frames, 2 * workers, cancel, sink);
  std::vector<JobImage> sources = fittedSources(request);
  Render render{plugin, record, request, sink, order, sources};
  std::vector<std::thread> others;
  for (uint32_t w = 1; w < workers; ++w) others.emplace_back([&render] { render.guardedWork(); });
  // The calling thread is the first worker, so a one-worker render runs
  // where it was asked for.
  render.guardedWork();
  for (std::thread& t : others) t.join();
  return order.end();
}

RenderEnd renderFrames(const RendererPlugin& plugin, VtaEffectSettings& record,
                       const RenderRequest& request, const std::atomic<bool>& cancel,
                       const FrameReceiver& receive) {
  const FrameSink sink{{}, [&](const Frame& frame) { return receive(frame.index, frame.picture); }};
  return renderFrames(plugin, record, request, cancel, sink);
}

}  // namespace vta::render
