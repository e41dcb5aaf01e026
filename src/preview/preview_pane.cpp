#include "preview/preview_pane.h"

#include <commctrl.h>
#include <prsht.h>

#include "entry/dialog_page.h"
#include "entry/library_state.h"
#include "entry/selection_sheet.h"

namespace vta {

const DWORD kContextHelpIds[] = {
    102,  100, 1026, 101, 1001, 102, 1002, 102, 1003, 102, 1004, 102, 1005, 102, 1006, 102,
    1007, 102, 1008, 102, 1009, 102, 1010, 102, 1011, 102, 1012, 102, 1013, 102, 1014, 102,
    1015, 102, 1016, 102, 1509, 7,   1062, 7,   1078, 8,   1042, 6,   1044, 5,   1100, 201,
    1101, 201, 1103, 202, 1104, 202, 1105, 202, 1106, 203, 1107, 203, 1108, 204, 1109, 204,
    1110, 205, 1112, 206, 1601, 207, 1121, 208, 1115, 209, 1117, 210, 1639, 211, 1200, 301,
    1201, 302, 1203, 303, 1205, 304, 1300, 401, 1301, 402, 1303, 403, 1305, 404, 1309, 405,
    1119, 406, 1312, 407, 1307, 408, 1320, 409, 1500, 501, 1501, 501, 1502, 501, 1503, 502,
    1080, 509, 1515, 503, 1516, 503, 1517, 503, 1504, 504, 1505, 505, 1081, 506, 1509, 507,
    1511, 508, 0,    0};

namespace {

void onNotify(DialogPage* page, const NMHDR& header) {
  switch (header.code) {
    case PSN_RESET:
      sheet().cancelled = 1;
      break;
    case PSN_HELP:
      if (page && page->window()) WinHelpA(page->window(), helpFilePath(), HELP_FINDER, 0);
      break;
    default:
      break;
  }
}

void onHelp(const HELPINFO& info) {
  WinHelpA(static_cast<HWND>(info.hItemHandle), helpFilePath(), HELP_WM_HELP,
           reinterpret_cast<ULONG_PTR>(kContextHelpIds));
}

void onContextMenu(HWND target) {
  WinHelpA(target, helpFilePath(), HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(kContextHelpIds));
}

// OK and Cancel of a modal editor end it. Cancel concerns only that editor's
// own edits, which the editor puts back itself: it never marks the whole
// sheet as cancelled, so the user's other edits survive.
void onCommand(HWND window, WPARAM wParam) {
  if (HIWORD(wParam) != 0) return;
  const int id = LOWORD(wParam);
  if (id == IDOK || id == IDCANCEL) EndDialog(window, 0);
}

}  // namespace

void checkPreviewRestart() {
  SheetState& state = sheet();
  if (!state.record || !state.lastPreviewed || !state.record->differs(*state.lastPreviewed)) return;
  state.lastPreviewed->copyFrom(*state.record);
}

INT_PTR handlePaneMessage(DialogPage* page, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      if (page) page->setWindow(window);
      break;
    case WM_NOTIFY:
      onNotify(page, *reinterpret_cast<const NMHDR*>(lParam));
      break;
    case WM_HELP:
      onHelp(*reinterpret_cast<const HELPINFO*>(lParam));
      break;
    case WM_CONTEXTMENU:
      onContextMenu(reinterpret_cast<HWND>(wParam));
      break;
    case WM_COMMAND:
      onCommand(window, wParam);
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace vta
