// The two exports of Vantaro30.dll. No C++ exception crosses into the host:
// anything unexpected is reported as "dialog not created".
#include <windows.h>

#include "entry/attach.h"
#include "ui/pages/about_box.h"
#include "ui/sheet/selection_sheet.h"
#include "vantaro/vantaro.h"

extern "C" {

short VTA_CALL VTAGUI_Select(void* parentWindow, VtaEffectSettings* settings,
                             VtaEffectSettings* secondSettings) {
  try {
    vta::completeAttach();
    if (!settings) return VTA_RESULT_NO_DIALOG;
    return static_cast<short>(vta::runSelectionSheet(static_cast<HWND>(parentWindow),
                                                     reinterpret_cast<vta::EffectSettings*>(settings),
                                                     secondSettings));
  } catch (...) {
    return VTA_RESULT_NO_DIALOG;
  }
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
