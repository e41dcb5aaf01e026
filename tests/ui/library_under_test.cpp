#include "library_under_test.h"

#include <prsht.h>

#include "window_driver.h"

namespace vta::test {

short openSheet(const LibraryUnderTest& library, VtaEffectSettings& record,
                VtaEffectSettings* second, const std::function<void(HWND sheet)>& drive,
                bool& shown) {
  shown = false;
  auto select = library.entry<VtaSelectFunction>("VTAGUI_Select");
  if (!select) return VTA_RESULT_NO_DIALOG;
  return runDriven<short>([&] { return select(nullptr, &record, second); },
                          [&] {
                            HWND sheet = waitForWindow(kSheetCaption);
                            shown = sheet != nullptr;
                            if (!sheet) return;
                            drive(sheet);
                            waitForWindowGone(sheet);
                          });
}

bool closeWithOk(HWND sheet) {
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  return waitForWindowGone(sheet);
}

}  // namespace vta::test
