// A final render on a thread of its own, so the dialog that started it stays
// responsive. The thread touches no window: it posts kFrameRendered (wParam:
// frames done) and, once, kRenderEnded (wParam: the render::RenderEnd) to the
// window that started it, which then calls finish(). Destroying the worker
// cancels a render still running and waits for its thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "final_render.h"
#include "frame_files.h"
#include "model/effect_settings.h"

namespace vta::host {

constexpr UINT kFrameRendered = WM_APP + 1;
constexpr UINT kRenderEnded = WM_APP + 2;

class RenderWorker {
 public:
  RenderWorker() = default;
  ~RenderWorker() {
    cancel();
    finish();
  }
  RenderWorker(const RenderWorker&) = delete;
  RenderWorker& operator=(const RenderWorker&) = delete;

  // Renders a copy of record through the plug-in at pluginPath into folder.
  void start(HWND notify, const std::string& pluginPath, const EffectSettings& record,
             render::RenderRequest request, render::FrameFolder folder);
  void cancel() { cancel_ = true; }
  // Waits for the thread (after kRenderEnded it has ended or is ending).
  void finish();
  bool running() const { return thread_.joinable(); }

  // Valid after finish(): the frames rendered and why the render ended.
  std::vector<render::RgbPicture>& frames() { return frames_; }
  const std::string& error() const { return error_; }

 private:
  render::RenderEnd run();

  HWND notify_ = nullptr;
  std::string pluginPath_;
  EffectSettings record_;
  render::RenderRequest request_;
  render::FrameFolder folder_{"", "", "", nullptr};
  std::atomic<bool> cancel_{false};
  std::thread thread_;
  std::vector<render::RgbPicture> frames_;
  std::string error_;
};

}  // namespace vta::host
