// The two exports of Vantaro30.dll. No C++ exception crosses into the host:
// anything unexpected is reported as "dialog not created".
#include <windows.h>

#include "entry/attach.h"
#include "platform/boundary.h"
#include "ui/pages/about_box.h"
#include "ui/selection_sheet.h"
#include "vantaro/vantaro.h"

extern "C" {

short VTA_CALL VTAGUI_Select(void* parentWindow, VtaEffectSettings* settings,
                             VtaEffectSettings* secondSettings) {
  return vta::guarded<short>(VTA_RESULT_NO_DIALOG, [&]() -> short {
    if (!vta::completeAttach(static_cast<HWND>(parentWindow)) || !settings) {
      return VTA_RESULT_NO_DIALOG;
    }
    return static_cast<short>(
        vta::runSelectionSheet(static_cast<HWND>(parentWindow),
                               reinterpret_cast<vta::EffectSettings*>(settings), secondSettings));
  });
}

short VTA_CALL VTAGUI_About(void* parentWindow, const char* titleText, const char* releaseText) {
  return vta::guarded<short>(VTA_RESULT_NO_DIALOG, [&]() -> short {
    if (!vta::completeAttach(static_cast<HWND>(parentWindow))) return VTA_RESULT_NO_DIALOG;
    return static_cast<short>(
        vta::showAboutBox(static_cast<HWND>(parentWindow), titleText, releaseText));
  });
}

}  // extern "C"
