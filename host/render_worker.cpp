#include "render_worker.h"

#include "host_guard.h"

namespace vta::host {

void RenderWorker::start(HWND notify, const std::string& pluginPath, const EffectSettings& record,
                         RenderRequest request, FrameFolder folder) {
  finish();
  notify_ = notify;
  pluginPath_ = pluginPath;
  record_.copyFrom(record);
  request_ = std::move(request);
  folder_ = std::move(folder);
  cancel_ = false;
  frames_.clear();
  error_.clear();
  thread_ = std::thread([this] {
    const RenderEnd end = guarded(RenderEnd::failed, [this] { return run(); });
    if (end == RenderEnd::failed && error_.empty()) error_ = "The render failed.";
    PostMessageA(notify_, kRenderEnded, static_cast<WPARAM>(end), 0);
  });
}

void RenderWorker::finish() {
  if (thread_.joinable()) thread_.join();
}

RenderEnd RenderWorker::run() {
  RendererPlugin plugin;
  if (!plugin.load(pluginPath_, error_)) return RenderEnd::failed;
  return renderFrames(plugin, reinterpret_cast<VtaEffectSettings&>(record_), request_, cancel_,
                      [this](uint32_t i, const RgbPicture& frame) {
                        if (!folder_.write(i, frame)) {
                          error_ = "The frame " + folder_.path(i) + " could not be written.";
                          return false;
                        }
                        frames_.push_back(frame);
                        PostMessageA(notify_, kFrameRendered, i + 1, 0);
                        return true;
                      });
}

}  // namespace vta::host
