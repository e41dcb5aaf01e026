#include "entry/attach.h"

#include <windows.h>

#include <commctrl.h>

#include <mutex>

#include "ui/library_state.h"
#include "ui/update/effect_list_update_ui.h"

namespace vta {
namespace {

std::once_flag g_attachOnce;

void initCommonControls() {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
}

}  // namespace

void completeAttach() {
  std::call_once(g_attachOnce, [] {
    initCommonControls();
    runEffectListUpdate();
    buildHelpFilePath();
  });
}

}  // namespace vta
