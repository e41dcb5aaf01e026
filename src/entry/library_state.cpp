#include "entry/library_state.h"

#include <commctrl.h>

#include <mutex>

#include "entry/effect_list_update_ui.h"
#include "platform/install_paths.h"

namespace vta {
namespace {

HINSTANCE g_module = nullptr;
char g_helpFilePath[256] = "";
std::once_flag g_attachOnce;

void initCommonControls() {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
}

void buildHelpFilePath() {
  if (!buildPath(g_helpFilePath, sizeof g_helpFilePath, "HELP", "VTASlct", "HLP")) {
    g_helpFilePath[0] = '\0';
  }
}

}  // namespace

HINSTANCE moduleInstance() { return g_module; }

void setModuleInstance(HINSTANCE instance) { g_module = instance; }

const char* helpFilePath() { return g_helpFilePath; }

void completeAttach() {
  std::call_once(g_attachOnce, [] {
    initCommonControls();
    runEffectListUpdate();
    buildHelpFilePath();
  });
}

}  // namespace vta
