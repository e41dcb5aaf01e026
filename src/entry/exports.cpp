// The two exports of Vantaro30.dll. No C++ exception crosses into the host:
// anything unexpected is reported as "dialog not created".
#include <windows.h>

#include "entry/library_state.h"
#include "pages/about_box.h"
#include "vantaro/vantaro.h"

extern "C" {

short VTA_CALL VTAGUI_Select(void*, VtaEffectSettings*, VtaEffectSettings*) {
  try {
    vta::completeAttach();
  } catch (...) {
  }
  // This build has no selection sheet yet, so no dialog can be created.
  return VTA_RESULT_NO_DIALOG;
}

short VTA_CALL VTAGUI_About(void* parentWindow, const char* titleText, const char* releaseText) {
  try {
    vta::completeAttach();
    return static_cast<short>(
        vta::showAboutBox(static_cast<HWND>(parentWindow), titleText, releaseText));
  } catch (...) {
    return VTA_RESULT_NO_DIALOG;
  }
}

}  // extern "C"
