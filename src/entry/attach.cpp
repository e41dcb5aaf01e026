#include "entry/attach.h"

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <mutex>

#include "ui/library_state.h"
#include "ui/update/effect_list_update_ui.h"

namespace vta {
namespace {

std::once_flag g_attachOnce;
std::atomic<DWORD> g_attachingThread{0};

// Marks the calling thread as the attaching one for its lifetime.
class AttachingThread {
 public:
  AttachingThread() { g_attachingThread = GetCurrentThreadId(); }
  ~AttachingThread() { g_attachingThread = 0; }
};

void initCommonControls() {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
}

}  // namespace

bool completeAttach(HWND owner) {
  if (g_attachingThread == GetCurrentThreadId()) return false;
  std::call_once(g_attachOnce, [owner] {
    AttachingThread attaching;
    initCommonControls();
    runEffectListUpdate(owner);
    buildHelpFilePath();
  });
  return true;
}

}  // namespace vta
