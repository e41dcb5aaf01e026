#include "dialog_inspection.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "window_driver.h"

namespace vta::test {
namespace {

using K = ControlKind;

const char* kindName(ControlKind kind) {
  switch (kind) {
    case K::PushButton: return "push button";
    case K::IconButton: return "owner-drawn button";
    case K::RadioButton: return "auto radio button";
    case K::CheckBox: return "auto check box";
    case K::GroupBox: return "group box";
    case K::Label: return "left-aligned label";
    case K::RightLabel: return "right-aligned label";
    case K::Frame: return "sunken frame";
    case K::EditBox: return "single-line edit box";
    case K::DescriptionBox: return "read-only multi-line edit with scroll bar";
    case K::DropDownList: return "drop-down list";
    case K::Trackbar: return "horizontal trackbar with ticks";
    case K::ProgressBar: return "progress bar";
  }
  return "?";
}

const char* windowClassOf(ControlKind kind) {
  switch (kind) {
    case K::PushButton:
    case K::IconButton:
    case K::RadioButton:
    case K::CheckBox:
    case K::GroupBox: return "Button";
    case K::Label:
    case K::RightLabel:
    case K::Frame: return "Static";
    case K::EditBox:
    case K::DescriptionBox: return "Edit";
    case K::DropDownList: return "ComboBox";
    case K::Trackbar: return TRACKBAR_CLASSA;
    case K::ProgressBar: return PROGRESS_CLASSA;
  }
  return "?";
}

bool styleFits(ControlKind kind, DWORD style, DWORD exStyle) {
  const DWORD button = style & BS_TYPEMASK, statik = style & SS_TYPEMASK;
  switch (kind) {
    case K::PushButton: return button == BS_PUSHBUTTON || button == BS_DEFPUSHBUTTON;
    case K::IconButton: return button == BS_OWNERDRAW;
    case K::RadioButton: return button == BS_AUTORADIOBUTTON;
    case K::CheckBox: return button == BS_AUTOCHECKBOX;
    case K::GroupBox: return button == BS_GROUPBOX;
    case K::Label: return statik == SS_LEFT || statik == SS_LEFTNOWORDWRAP || statik == SS_CENTER;
    case K::RightLabel: return statik == SS_RIGHT;
    case K::Frame:
      return (statik == SS_BLACKFRAME || statik == SS_GRAYFRAME || statik == SS_WHITEFRAME ||
              statik == SS_ETCHEDFRAME) &&
             ((style & SS_SUNKEN) || (exStyle & WS_EX_STATICEDGE));
    case K::EditBox: return !(style & (ES_MULTILINE | ES_READONLY));
    case K::DescriptionBox: {
      const DWORD wanted = ES_MULTILINE | ES_READONLY | WS_VSCROLL;
      return (style & wanted) == wanted;
    }
    case K::DropDownList: return (style & 3) == CBS_DROPDOWNLIST;
    case K::Trackbar: return !(style & TBS_VERT) && (style & TBS_AUTOTICKS);
    case K::ProgressBar: return true;
  }
  return false;
}

std::string className(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

LONG styleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

bool isGroupBox(HWND window) {
  return _stricmp(className(window).c_str(), "Button") == 0 &&
         (styleOf(window) & BS_TYPEMASK) == BS_GROUPBOX;
}

std::string describe(HWND control) {
  return "control " + std::to_string(GetDlgCtrlID(control)) + " \"" + windowText(control) + "\" (" +
         className(control) + ")";
}

// Pixels that the text of control may take, or -1 for controls that show no
// text of their own.
int textRoom(HWND control) {
  RECT client;
  GetClientRect(control, &client);
  const std::string name = className(control);
  const LONG style = styleOf(control);
  if (_stricmp(name.c_str(), "Static") == 0) {
    const DWORD type = style & SS_TYPEMASK;
    return type <= SS_RIGHT || type == SS_LEFTNOWORDWRAP ? client.right : -1;
  }
  if (_stricmp(name.c_str(), "Edit") == 0) return client.right - 4;
  if (_stricmp(name.c_str(), "Button") != 0) return -1;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return client.right - 8;
    case BS_AUTORADIOBUTTON:
    case BS_AUTOCHECKBOX: return client.right - GetSystemMetrics(SM_CXMENUCHECK) - 6;
    case BS_GROUPBOX: return client.right - 20;
    default: return -1;
  }
}

SIZE textExtent(HWND control, const std::string& text) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT rect = {0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {rect.right, rect.bottom};
}

void expectTextFits(HWND control, const std::string& text) {
  const int room = textRoom(control);
  if (room < 0 || text.empty()) return;
  const SIZE extent = textExtent(control, text);
  EXPECT_LE(extent.cx, room) << "\"" << text << "\" is cut off in " << describe(control);
  if (_stricmp(className(control).c_str(), "Static") == 0) {
    RECT client;
    GetClientRect(control, &client);
    EXPECT_LE(extent.cy, client.bottom)
        << "\"" << text << "\" is too tall for " << describe(control);
  }
}

// Fills the drop-down list with more items than it shows, drops it and
// checks that it scrolls; leaves it closed and empty.
void expectListScrolls(HWND comboBox) {
  for (int i = 0; i < 40; ++i) {
    SendMessageA(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
  }
  SendMessageA(comboBox, CB_SHOWDROPDOWN, TRUE, 0);
  pumpMessages(50);
  COMBOBOXINFO parts = {};
  parts.cbSize = sizeof parts;
  GetComboBoxInfo(comboBox, &parts);
  EXPECT_TRUE(parts.hwndList && (styleOf(parts.hwndList) & WS_VSCROLL))
      << "the list of " << GetDlgCtrlID(comboBox) << " cannot scroll";
  SendMessageA(comboBox, CB_SHOWDROPDOWN, FALSE, 0);
  SendMessageA(comboBox, CB_RESETCONTENT, 0, 0);
}

void expectControl(HWND dialog, const ExpectedControl& expected) {
  HWND control = GetDlgItem(dialog, expected.id);
  ASSERT_NE(nullptr, control) << "no control " << expected.id;
  const std::string name = className(control);
  const LONG style = styleOf(control), exStyle = GetWindowLongA(control, GWL_EXSTYLE);
  EXPECT_EQ(0, _stricmp(windowClassOf(expected.kind), name.c_str()))
      << "control " << expected.id << " is a " << name << ", not a "
      << windowClassOf(expected.kind);
  EXPECT_TRUE(styleFits(expected.kind, style, exStyle))
      << "control " << expected.id << " (style 0x" << std::hex << style << std::dec << ") is not a "
      << kindName(expected.kind);
  EXPECT_EQ(expected.visible, (style & WS_VISIBLE) != 0)
      << "control " << expected.id << (expected.visible ? " is hidden" : " is shown");
  if (expected.text) {
    EXPECT_EQ(expected.text, windowText(control)) << "text of " << expected.id;
  }
  if (expected.fitText) expectTextFits(control, expected.fitText);
  if (expected.kind == K::DropDownList) {
    expectListScrolls(control);
    RECT dropped = {}, closed = rectInParent(control);
    SendMessageA(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_GE(dropped.bottom - dropped.top, 4 * (closed.bottom - closed.top))
        << "the list of " << expected.id << " drops too short to show several items";
  }
}

void expectRadioGroup(HWND dialog, int first, int last) {
  HWND button = GetDlgItem(dialog, first);
  ASSERT_NE(nullptr, button);
  EXPECT_TRUE(styleOf(button) & WS_GROUP) << "radio group " << first << " does not start a group";
  while (GetDlgCtrlID(button) != last) {
    button = GetWindow(button, GW_HWNDNEXT);
    ASSERT_NE(nullptr, button) << "radio group " << first << " does not reach " << last;
    const int id = GetDlgCtrlID(button);
    EXPECT_TRUE(id >= first && id <= last)
        << describe(button) << " lies inside radio group " << first << "-" << last;
    EXPECT_FALSE(styleOf(button) & WS_GROUP) << describe(button) << " splits its radio group";
  }
  HWND next = GetWindow(button, GW_HWNDNEXT);
  if (next) {
    EXPECT_TRUE(styleOf(next) & WS_GROUP)
        << "radio group " << first << " runs on into " << describe(next);
  }
}

std::vector<HWND> childrenOf(HWND dialog) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

bool contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

void expectLayout(HWND dialog, SIZE templateDlu) {
  RECT bounds = {0, 0, templateDlu.cx, templateDlu.cy};
  MapDialogRect(dialog, &bounds);
  const std::vector<HWND> children = childrenOf(dialog);
  for (HWND child : children) {
    EXPECT_TRUE(contains(bounds, rectInParent(child))) << describe(child) << " leaves the dialog";
    expectTextFits(child, windowText(child));
  }
  for (size_t i = 0; i < children.size(); ++i) {
    if (!IsWindowVisible(children[i])) continue;
    const RECT a = rectInParent(children[i]);
    for (size_t j = i + 1; j < children.size(); ++j) {
      if (!IsWindowVisible(children[j])) continue;
      const RECT b = rectInParent(children[j]);
      RECT common;
      if (!IntersectRect(&common, &a, &b)) continue;
      const bool framed = (isGroupBox(children[i]) && contains(a, b)) ||
                          (isGroupBox(children[j]) && contains(b, a));
      EXPECT_TRUE(framed) << describe(children[i]) << " and " << describe(children[j])
                          << " overlap";
    }
  }
}

void expectLabels(HWND dialog, const ExpectedDialog& expected) {
  const std::vector<HWND> children = childrenOf(dialog);
  for (const char* label : expected.labels) {
    bool found = false;
    for (HWND child : children) found = found || windowText(child) == label;
    EXPECT_TRUE(found) << "no label \"" << label << "\"";
  }
}

}  // namespace

SIZE templateSize(HMODULE module, int id) {
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
  const void* data = info ? LockResource(LoadResource(module, info)) : nullptr;
  if (!data) return {0, 0};
  const auto* words = static_cast<const WORD*>(data);
  // An extended template starts with version 1 and 0xFFFF; its size follows
  // help id, extended style, style, item count, x and y.
  if (words[0] == 1 && words[1] == 0xFFFF)
    return {static_cast<short>(words[11]), static_cast<short>(words[12])};
  return {static_cast<short>(words[7]), static_cast<short>(words[8])};
}

RECT rectInParent(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void expectDialogMatches(HWND dialog, const ExpectedDialog& expected, SIZE templateDlu) {
  for (const ExpectedControl& control : expected.controls) expectControl(dialog, control);
  for (const auto& [first, last] : expected.radioGroups) expectRadioGroup(dialog, first, last);
  for (int id : expected.absent) EXPECT_EQ(nullptr, GetDlgItem(dialog, id)) << "control " << id;
  expectLabels(dialog, expected);
  if (expected.defaultButton) {
    const LRESULT defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    EXPECT_EQ(DC_HASDEFID, HIWORD(defaultId));
    EXPECT_EQ(expected.defaultButton, LOWORD(defaultId));
  }
  expectLayout(dialog, templateDlu);
}

void pumpMessages(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  } while (GetTickCount() - start < ms);
}

}  // namespace vta::test
