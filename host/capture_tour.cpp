#include "capture_tour.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "host_ids.h"
#include "window_driver.h"

namespace vta::host {
namespace {

// Controls of the Effects page (dialog 102).
constexpr int kEffectsFirstIcon = 1001;
constexpr int kEffectsGroupList = 1026;

void captureSheetPages(HWND sheet, const std::string& folder) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  const int pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < pages; ++i) {
    SendMessageA(sheet, PSM_SETCURSEL, i, 0);
    captureWindow(sheet, folder + "\\sheet_page_" + std::to_string(i + 1) + ".png");
  }
}

// While the preview plays a few of its frames.
constexpr DWORD kPreviewMs = 1200;

// On the Effects page (the sheet's first): shows group `group` and picks
// its effect `icon` (both from 0), as a user would with the group list and
// an icon, and lets the preview play before the capture.
void chooseEffect(HWND sheet, int group, int icon, const std::string& capture) {
  SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
  HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  HWND groups = GetDlgItem(page, kEffectsGroupList);
  SendMessageA(groups, CB_SETCURSEL, group, 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(kEffectsGroupList, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(groups));
  SendMessageA(GetDlgItem(page, kEffectsFirstIcon + icon), BM_CLICK, 0, 0);
  Sleep(kPreviewMs);
  captureWindow(sheet, capture);
}

}  // namespace

void runCaptureTour(const std::string& folder) {
  HWND host = waitForWindow(kCaption);
  if (!host) return;
  captureWindow(host, folder + "\\host.png");

  clickButton(host, kChooseButton);
  if (HWND sheet = waitForWindow("Vantaro - Selection Dialog")) {
    captureSheetPages(sheet, folder);
    // A page turn (its incoming clip lies behind the scene), then a cube.
    chooseEffect(sheet, 0, 1, folder + "\\effects_page_page_turn.png");
    chooseEffect(sheet, 1, 1, folder + "\\effects_page_chosen.png");
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
