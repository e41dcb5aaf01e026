#include "ui/controls/dialog_page.h"

#include <commctrl.h>

#include <cstdio>

namespace vta {

void formatTrackbarLabel(char (&text)[16], int value, int maximum) {
  std::snprintf(text, sizeof text, maximum == 100 ? "%d%%" : "%d", value);
}

HWND DialogPage::control(int id) const { return window_ ? GetDlgItem(window_, id) : nullptr; }

LRESULT DialogPage::send(int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendDlgItemMessageA(window_, id, message, wParam, lParam);
}

int DialogPage::setTrackbarRange(int id, int minimum, int maximum, int step) {
  HWND trackbar = control(id);
  if (!trackbar) return 0;
  SendMessageA(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(minimum, maximum));
  if (step != 0) {
    SendMessageA(trackbar, TBM_SETTICFREQ, step, 0);
    SendMessageA(trackbar, TBM_SETPAGESIZE, 0, step);
  }
  return 1;
}

int DialogPage::setTrackbarValue(int id, int value) {
  HWND trackbar = control(id);
  if (!trackbar) return 0;
  SendMessageA(trackbar, TBM_SETPOS, TRUE, value);
  char label[16];
  formatTrackbarLabel(label, value,
                      static_cast<int>(SendMessageA(trackbar, TBM_GETRANGEMAX, 0, 0)));
  SetDlgItemTextA(window_, id + 1, label);
  return 1;
}

int DialogPage::getTrackbarValue(int id) {
  HWND trackbar = control(id);
  return trackbar ? static_cast<int>(SendMessageA(trackbar, TBM_GETPOS, 0, 0)) : 0;
}

void DialogPage::updateTrackbarLabel(HWND trackbar) {
  const int id = GetDlgCtrlID(trackbar);
  if (id == kSpeedTrackbarId) return;
  char label[16];
  formatTrackbarLabel(label, static_cast<int>(SendMessageA(trackbar, TBM_GETPOS, 0, 0)),
                      static_cast<int>(SendMessageA(trackbar, TBM_GETRANGEMAX, 0, 0)));
  SetDlgItemTextA(GetParent(trackbar), id + 1, label);
}

int DialogPage::checkRadio(int first, int last, int index) {
  if (!window_) return 0;
  CheckRadioButton(window_, first, last, first + index);
  return 1;
}

int DialogPage::getCheckedRadio(int first, int last) {
  if (!window_) return 0;
  for (int id = first; id <= last; ++id) {
    if (IsDlgButtonChecked(window_, id) == BST_CHECKED) return id - first;
  }
  return 0;
}

int DialogPage::setCheck(int id, int state) {
  if (!window_) return 0;
  CheckDlgButton(window_, id, state ? BST_CHECKED : BST_UNCHECKED);
  return 1;
}

int DialogPage::isChecked(int id) { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

void DialogPage::setText(int id, const char* text) { SetDlgItemTextA(window_, id, text); }

int DialogPage::getText(int id, char* buffer, int size) {
  return static_cast<int>(GetDlgItemTextA(window_, id, buffer, size));
}

void DialogPage::clearCombo(int id) { send(id, CB_RESETCONTENT); }

void DialogPage::addComboItem(int id, const char* text) {
  send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void DialogPage::selectComboIndex(int id, int index) { send(id, CB_SETCURSEL, index); }

void DialogPage::selectComboText(int id, const char* text) {
  // Starting after item 0 makes the search begin at item 1 and wrap to 0.
  send(id, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int DialogPage::getComboIndex(int id) { return static_cast<int>(send(id, CB_GETCURSEL)); }

int DialogPage::getComboText(int id, char* buffer, int size) {
  const int index = getComboIndex(id);
  if (index < 0) return -1;
  const int length = static_cast<int>(send(id, CB_GETLBTEXTLEN, index));
  if (length >= 0 && size > length) send(id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer));
  return length;
}

int DialogPage::showControl(int id) {
  HWND target = control(id);
  if (!target) return 0;
  ShowWindow(target, SW_SHOW);
  return 1;
}

int DialogPage::hideControl(int id) {
  HWND target = control(id);
  if (!target) return 0;
  ShowWindow(target, SW_HIDE);
  return 1;
}

int DialogPage::enableControl(int id) { return setControlEnabled(id, 1); }

int DialogPage::disableControl(int id) { return setControlEnabled(id, 0); }

int DialogPage::setControlEnabled(int id, int flag) {
  HWND target = control(id);
  if (!target) return 0;
  EnableWindow(target, flag != 0);
  return 1;
}

int DialogPage::redrawControl(int id) {
  HWND target = control(id);
  if (!target) return 0;
  InvalidateRect(target, nullptr, FALSE);
  return 1;
}

}  // namespace vta
