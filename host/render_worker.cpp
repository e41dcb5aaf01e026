#include "render_worker.h"

#include "platform/boundary.h"

namespace vta::host {

void RenderWorker::start(HWND notify, const std::string& pluginPath, const EffectSettings& record,
                         render::RenderRequest request, render::FrameFolder folder) {
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
    const render::RenderEnd end = guarded(render::RenderEnd::failed, [this] { return run(); });
    if (end == render::RenderEnd::failed && error_.empty()) error_ = "The render failed.";
    PostMessageA(notify_, kRenderEnded, static_cast<WPARAM>(end), 0);
  });
}

void RenderWorker::finish() {
  if (thread_.joinable()) thread_.join();
}

render::RenderEnd RenderWorker::run() {
  render::RendererPlugin plugin;
  if (!plugin.load(pluginPath_, error_)) return render::RenderEnd::failed;
  std::string unwritten;
  const render::FrameSink sink =
      folder_.sink([this](uint32_t i, const render::RgbPicture& frame) {
        frames_.push_back(frame);
        PostMessageA(notify_, kFrameRendered, i + 1, 0);
        return true;
      }, unwritten);
  const render::RenderEnd end = render::renderFrames(
      plugin, reinterpret_cast<VtaEffectSettings&>(record_), request_, cancel_, sink);
  if (!unwritten.empty()) error_ = "The frame " + unwritten + " could not be written.";
  return end;
}

}  // namespace vta::host
