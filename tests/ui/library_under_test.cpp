#include "library_under_test.h"

#include <prsht.h>

#include "window_driver.h"

namespace vta::test {

bool runSheetOnPage(const LibraryUnderTest& library, VtaEffectSettings& record,
                    VtaEffectSettings* second, int tab,
                    const std::function<void(HWND sheet, HWND page)>& drive) {
  auto select = library.entry<VtaSelectFunction>("VTAGUI_Select");
  if (!select) return false;
  bool shown = false;
  runDriven<short>(
      [&] { return select(nullptr, &record, second); },
      [&] {
        HWND sheet = waitForWindow("Vantaro - Selection Dialog");
        shown = sheet != nullptr;
        if (!sheet) return;
        SendMessageA(sheet, PSM_SETCURSEL, tab, 0);
        drive(sheet, reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)));
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        waitForWindowGone(sheet);
      });
  return shown;
}

}  // namespace vta::test
