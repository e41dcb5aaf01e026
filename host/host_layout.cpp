#include "host_layout.h"

#include <algorithm>

#include "frame_player.h"
#include "host_ids.h"

namespace vta::host {
namespace {

constexpr int kMargin = 12, kGap = 8;
constexpr int kButtonsWidth = 676;  // the row of buttons
constexpr int kRecordTop = 48, kRecordHeight = 260, kStatusHeight = 20;
constexpr int kPlayerEdge = 4;  // the player's sunken border

HWND addControl(HWND parent, const char* kind, const char* text, DWORD style, RECT box, int id) {
  HWND control =
      CreateWindowExA(style & ES_MULTILINE ? WS_EX_CLIENTEDGE : 0, kind, text,
                      WS_CHILD | WS_VISIBLE | style, box.left, box.top, box.right, box.bottom,
                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return control;
}

}  // namespace

void createControls(HWND window) {
  addControl(window, "BUTTON", "Choose Transition...", BS_DEFPUSHBUTTON | WS_TABSTOP,
             {12, 12, 140, 26}, kChooseButton);
  addControl(window, "BUTTON", "Filter mode", BS_AUTOCHECKBOX | WS_TABSTOP, {162, 16, 90, 20},
             kFilterModeCheck);
  addControl(window, "BUTTON", "Render...", BS_PUSHBUTTON | WS_TABSTOP, {262, 12, 90, 26},
             kRenderButton);
  addControl(window, "BUTTON", "Open Record...", BS_PUSHBUTTON | WS_TABSTOP, {362, 12, 110, 26},
             kOpenButton);
  addControl(window, "BUTTON", "Save Record...", BS_PUSHBUTTON | WS_TABSTOP, {480, 12, 110, 26},
             kSaveButton);
  addControl(window, "BUTTON", "About...", BS_PUSHBUTTON | WS_TABSTOP, {598, 12, 90, 26},
             kAboutButton);
  addControl(window, "EDIT", "", ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL,
             {0, 0, 0, 0}, kRecordView);
  addControl(window, "STATIC", "", SS_LEFT | SS_NOPREFIX, {0, 0, 0, 0}, kStatusText);
  createFramePlayer(window, kFramePlayer);
  layOut(window, 0, 0);
}

void layOut(HWND window, int frameWidth, int frameHeight) {
  const bool playing = frameWidth > 0 && frameHeight > 0;
  const int playerWidth = playing ? frameWidth + kPlayerEdge : 0;
  const int width = std::max(kButtonsWidth, playerWidth) + 2 * kMargin;
  const int playerTop = kRecordTop + kRecordHeight + kGap;
  const int statusTop = playing ? playerTop + frameHeight + kPlayerEdge + kGap : playerTop;
  MoveWindow(GetDlgItem(window, kRecordView), kMargin, kRecordTop, width - 2 * kMargin,
             kRecordHeight, TRUE);
  HWND player = GetDlgItem(window, kFramePlayer);
  MoveWindow(player, kMargin, playerTop, playerWidth, frameHeight + kPlayerEdge, TRUE);
  ShowWindow(player, playing ? SW_SHOW : SW_HIDE);
  MoveWindow(GetDlgItem(window, kStatusText), kMargin, statusTop, width - 2 * kMargin,
             kStatusHeight, TRUE);
  RECT frame = {0, 0, width, statusTop + kStatusHeight + kGap};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER);
}

}  // namespace vta::host
