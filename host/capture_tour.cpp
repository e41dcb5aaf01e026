#include "capture_tour.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "host_ids.h"
#include "render_tour.h"
#include "tour_mapping.h"
#include "tour_steps.h"
#include "window_driver.h"

namespace vta::host {
namespace {

// Controls of the Effects page (dialog 102).
constexpr int kEffectsFirstIcon = 1001;
constexpr int kEffectsGroupList = 1026;

bool captureSheetPages(HWND sheet, const std::string& folder) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  const int pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  bool ok = pages > 0 || failed("the selection sheet has no pages");
  for (int i = 0; i < pages; ++i) {
    SendMessageA(sheet, PSM_SETCURSEL, i, 0);
    ok = capture(sheet, folder + "\\sheet_page_" + std::to_string(i + 1) + ".png") && ok;
  }
  return ok;
}

// While the preview plays a few of its frames.
constexpr DWORD kPreviewMs = 1200;

// On the Effects page (the sheet's first): shows group `group` and picks
// its effect `icon` (both from 0), as a user would with the group list and
// an icon, and lets the preview play before the capture.
bool chooseEffect(HWND sheet, int group, int icon, const std::string& file) {
  SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
  HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  HWND groups = GetDlgItem(page, kEffectsGroupList);
  SendMessageA(groups, CB_SETCURSEL, group, 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(kEffectsGroupList, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(groups));
  SendMessageA(GetDlgItem(page, kEffectsFirstIcon + icon), BM_CLICK, 0, 0);
  Sleep(kPreviewMs);
  return capture(sheet, file);
}

bool tourSheet(HWND host, const std::string& folder) {
  clickButton(host, kChooseButton);
  HWND sheet = waitForWindow("Vantaro - Selection Dialog");
  if (!sheet) return failed("the selection sheet did not appear");
  bool ok = captureSheetPages(sheet, folder);
  // A page turn (its incoming clip lies behind the scene), then a cube with
  // a BMP sequence on its first object.
  ok = chooseEffect(sheet, 0, 1, folder + "\\effects_page_page_turn.png") && ok;
  ok = chooseEffect(sheet, 1, 1, folder + "\\effects_page_chosen.png") && ok;
  ok = mapTourSequence(sheet, folder) && ok;
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  return (waitForWindowGone(sheet) || failed("the selection sheet did not close")) && ok;
}

bool tourAbout(HWND host, const std::string& folder) {
  clickButton(host, kAboutButton);
  HWND about = waitForWindow("About Vantaro");
  if (!about) return failed("the about box did not appear");
  bool ok = capture(about, folder + "\\about.png");
  pressKey(about, VK_ESCAPE);
  return (waitForWindowGone(about) || failed("the about box did not close")) && ok;
}

}  // namespace

bool runCaptureTour(HWND host, const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  bool ok = capture(host, folder + "\\host.png");
  ok = tourSheet(host, folder) && ok;
  ok = capture(host, folder + "\\host_after_choose.png") && ok;
  ok = tourAbout(host, folder) && ok;
  ok = tourRender(host, folder) && ok;
  PostMessageA(host, WM_CLOSE, 0, 0);
  return ok;
}

}  // namespace vta::host
