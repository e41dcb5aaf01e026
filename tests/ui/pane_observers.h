// What the UI tests watch of a running sheet's preview: the library's timer
// calls (through its import table), the test renderer's recorded calls, and
// conditions waited for with a deadline.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "../unit/preview/test_renderer.h"
#include "dialog_controls.h"
#include "window_driver.h"

namespace vta::test {

struct TimerCall {
  bool set;  // SetTimer; else KillTimer
  HWND window;
  UINT_PTR id;
  UINT period;
};

// From now on, records every SetTimer and KillTimer that library makes;
// forgets the calls recorded so far. False when its imports cannot be hooked.
bool recordTimers(HMODULE library);
std::vector<TimerCall> timerCalls();

// The test renderer in the installation's LIBS folder (the installation
// "Path" names when this is made): the module the library binds as
// "Prev_Engine", so its recorded calls are the library's.
class RendererControl {
 public:
  RendererControl();
  ~RendererControl();
  RendererControl(const RendererControl&) = delete;
  RendererControl& operator=(const RendererControl&) = delete;

  bool loaded() const { return module_ != nullptr; }
  void reset() const;
  void hold(int number, bool yieldToAbort) const;
  void release() const;
  bool waitFor(int kind, int count, int timeoutMs = 5000) const;
  std::vector<RndTestCall> calls(int kind) const;

 private:
  template <typename Function>
  Function entry(const char* name) const {
    return module_
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)))
               : nullptr;
  }

  HMODULE module_ = nullptr;
};

}  // namespace vta::test
