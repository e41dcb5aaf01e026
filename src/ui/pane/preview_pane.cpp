#include "ui/pane/preview_pane.h"

#include <commctrl.h>
#include <prsht.h>

#include "ui/controls/dialog_page.h"
#include "ui/library_state.h"
#include "pane_ids.h"
#include "preview/preview_renderer.h"

namespace vta {

const DWORD kContextHelpIds[] = {
    102,  100,  1026, 101,  1001, 102,  1002, 102,  1003, 102,  1004, 102,  1005, 102,  1006,
    102,  1007, 102,  1008, 102,  1009, 102,  1010, 102,  1011, 102,  1012, 102,  1013, 102,
    1014, 102,  1015, 102,  1016, 102,  1509, 7,    1062, 7,    1078, 8,    1042, 6,    1044,
    5,    1100, 201,  1101, 201,  1103, 202,  1104, 202,  1105, 202,  1106, 203,  1107, 203,
    1108, 204,  1109, 204,  1110, 205,  1112, 206,  1601, 207,  1121, 208,  1115, 209,  1117,
    210,  1639, 211,  1200, 301,  1201, 302,  1203, 303,  1205, 304,  1300, 401,  1301, 402,
    1303, 403,  1305, 404,  1309, 405,  1119, 406,  1312, 407,  1307, 408,  1320, 409,  1500,
    501,  1501, 501,  1502, 501,  1503, 502,  1080, 509,  1515, 503,  1516, 503,  1517, 503,
    1504, 504,  1505, 505,  1081, 506,  1509, 507,  1511, 508,  0,    0};

namespace {

void onHelp(const HELPINFO& info) {
  WinHelpA(static_cast<HWND>(info.hItemHandle), helpFilePath(), HELP_WM_HELP,
           reinterpret_cast<ULONG_PTR>(kContextHelpIds));
}

void onContextMenu(HWND target) {
  WinHelpA(target, helpFilePath(), HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(kContextHelpIds));
}

void onPaint(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

}  // namespace

void PreviewPane::onNotify(const NMHDR& header) {
  switch (header.code) {
    case PSN_SETACTIVE: activate(); break;
    case PSN_KILLACTIVE: stopPlayback(); break;
    case PSN_RESET: context_.session.markCancelled(); break;
    case PSN_HELP:
      if (dialog_.window()) WinHelpA(dialog_.window(), helpFilePath(), HELP_FINDER, 0);
      break;
    default: break;
  }
}

void PreviewPane::onRenderButton() {
  PreviewRenderer& preview = context_.session.preview();
  if (preview.isBusy()) {
    preview.requestStop();
    refreshRenderButton();
  } else {
    context_.session.requestPreview();
  }
}

// OK and Cancel of a modal editor end it. Cancel concerns only that editor's
// own edits, which the editor puts back itself: it never marks the whole
// sheet as cancelled, so the user's other edits survive.
void PreviewPane::onCommand(WPARAM wParam) {
  if (HIWORD(wParam) != 0) return;
  const int id = LOWORD(wParam);
  if (id == IDC_PANE_RENDER) onRenderButton();
  if (id == IDOK || id == IDCANCEL) EndDialog(dialog_.window(), 0);
}

// The speed slider sets the playback speed and the timer's period at once;
// the Settings page shows and stores the same speed.
void PreviewPane::onScroll(HWND control) {
  if (!control || GetDlgCtrlID(control) != IDC_PANE_SPEED) return;
  const LRESULT speed = SendMessageA(control, TBM_GETPOS, 0, 0);
  context_.session.preferences().previewSpeed = static_cast<uint32_t>(speed);
  KillTimer(dialog_.window(), kPlaybackTimer);
  startPlayback();
}

void PreviewPane::onActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE)
    stopPlayback();
  else
    enterEditor();
}

// A closing editor hands the preview's reports back to the dialog that
// opened it, whose button and bar missed the reports made meanwhile.
void PreviewPane::onDestroy() {
  DialogPage* returned = context_.reports.leaveEditor(dialog_);
  if (!returned) return;
  SendMessageA(returned->window(), kPaneStateMessage, 0, 0);
  SendDlgItemMessageA(returned->window(), IDC_PANE_PROGRESS, PBM_SETPOS,
                      static_cast<WPARAM>(context_.session.preview().progress()), 0);
}

void PreviewPane::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = dialog_.window();
  switch (message) {
    case WM_INITDIALOG: initSpeedSlider(); break;
    case WM_ACTIVATE: onActivate(wParam); break;
    case WM_DESTROY: onDestroy(); break;
    case WM_PAINT: onPaint(window); break;
    case WM_NOTIFY: onNotify(*reinterpret_cast<const NMHDR*>(lParam)); break;
    case WM_HELP: onHelp(*reinterpret_cast<const HELPINFO*>(lParam)); break;
    case WM_CONTEXTMENU: onContextMenu(reinterpret_cast<HWND>(wParam)); break;
    case WM_COMMAND: onCommand(wParam); break;
    case WM_HSCROLL: onScroll(reinterpret_cast<HWND>(lParam)); break;
    case WM_TIMER:
      if (wParam == kPlaybackTimer) drawNextFrame();
      break;
    case WM_DRAWITEM:
      if (wParam == IDC_PANE_PICTURE) drawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      break;
    case kPaneStateMessage: refreshRenderButton(); break;
    case kPaneProgressMessage:
      SendDlgItemMessageA(window, IDC_PANE_PROGRESS, PBM_SETPOS, wParam, 0);
      break;
    default: break;
  }
}

}  // namespace vta
