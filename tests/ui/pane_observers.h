// What the UI tests watch of a running sheet's preview: the library's timer
// calls (through its import table), the test renderer's recorded calls, and
// conditions waited for with a deadline.
#pragma once

#include <windows.h>

#include <vector>

#include "dialog_controls.h"
#include "test_renderer_control.h"
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
class RendererControl : public TestRendererControl {
 public:
  RendererControl();
};

}  // namespace vta::test
