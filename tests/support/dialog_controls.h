// Reading and working a dialog's controls by id, as the UI tests' driver
// thread does: what a control shows, a choice made with the change notice
// the dialog expects from a user, and a button that closes the dialog.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_driver.h"

namespace vta::test {

inline bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }
inline bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

inline std::string controlText(HWND dialog, int id) {
  char buffer[512] = "";
  GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
  return buffer;
}

// Gives control id the focus as Tab would.
inline void focusControl(HWND dialog, int id) {
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

// Presses button of dialog (Cancel, or one that ends it) and waits for the
// dialog to close.
inline void closeWith(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, button, 0);
  EXPECT_TRUE(waitForWindowGone(dialog)) << "button " << button << " left the dialog open";
}

// The page a property sheet shows.
inline HWND currentPage(HWND sheet) {
  return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// Shows page tab of a property sheet and returns it.
inline HWND showPage(HWND sheet, int tab) {
  SendMessageA(sheet, PSM_SETCURSEL, tab, 0);
  return currentPage(sheet);
}

inline int slider(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, TBM_GETPOS, 0, 0));
}

inline int comboSelection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

inline std::vector<std::string> comboItems(HWND dialog, int id) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char item[128] = "";
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    items.push_back(item);
  }
  return items;
}

// Selects item index of a drop-down list and tells the dialog, as a user's
// choice does; returns once the dialog has handled it.
inline void choose(HWND dialog, int id, int index) {
  HWND combo = GetDlgItem(dialog, id);
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

inline void choose(HWND dialog, int id, const char* item) {
  const LRESULT index = SendDlgItemMessageA(dialog, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(item));
  choose(dialog, id, static_cast<int>(index));
}

// The room text takes in control's font, on one line.
inline SIZE textExtent(HWND control, const char* text) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT needed = {0, 0, 0, 0};
  DrawTextA(dc, text, -1, &needed, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {needed.right, needed.bottom};
}

}  // namespace vta::test
