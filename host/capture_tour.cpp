#include "capture_tour.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "host_ids.h"
#include "window_driver.h"

namespace vta::host {
namespace {

void captureSheetPages(HWND sheet, const std::string& folder) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  const int pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < pages; ++i) {
    SendMessageA(sheet, PSM_SETCURSEL, i, 0);
    captureWindow(sheet, folder + "\\sheet_page_" + std::to_string(i + 1) + ".png");
  }
}

}  // namespace

void runCaptureTour(const std::string& folder) {
  HWND host = waitForWindow(kCaption);
  if (!host) return;
  captureWindow(host, folder + "\\host.png");

  clickButton(host, kChooseButton);
  if (HWND sheet = waitForWindow("Vantaro - Selection Dialog")) {
    captureSheetPages(sheet, folder);
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    waitForWindowGone(sheet);
  }
  captureWindow(host, folder + "\\host_after_choose.png");

  clickButton(host, kAboutButton);
  if (HWND about = waitForWindow("About Vantaro")) {
    captureWindow(about, folder + "\\about.png");
    pressKey(about, VK_ESCAPE);
    waitForWindowGone(about);
  }
  PostMessageA(host, WM_CLOSE, 0, 0);
}

}  // namespace vta::host
