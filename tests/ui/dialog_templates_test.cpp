// Every dialog template of Vantaro30.dll as the library ships it, shown with a
// dialog procedure that does nothing: the five pages in one modeless property
// sheet, the editors, the copy-key dialog and the about box on their own.
// Each must have a clean layout: controls inside the dialog, texts that
// fit, no overlaps but group boxes around what they frame, radio groups of
// radio buttons only, drop-down lists that drop and scroll. Each is captured
// as template_<id>.png.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "about_ids.h"
#include "copy_key_ids.h"
#include "dialog_controls.h"
#include "effects_page_ids.h"
#include "envelope_editor_ids.h"
#include "filter_page_ids.h"
#include "library_under_test.h"
#include "objects_page_ids.h"
#include "options_page_ids.h"
#include "path_editor_ids.h"
#include "settings_page_ids.h"
#include "window_driver.h"

namespace vta::test {
namespace {

// The pages in the order the selection sheet shows them in filter mode.
constexpr int kPages[] = {IDD_EFFECTS_PAGE, IDD_OPTIONS_PAGE, IDD_FILTER_PAGE, IDD_OBJECTS_PAGE,
                          IDD_SETTINGS_PAGE};
constexpr int kModals[] = {IDD_ENVELOPE_EDITOR, IDD_PATH_EDITOR, IDD_COPY_KEY, IDD_ABOUT};

// The path editor's number boxes and the widest value they show.
constexpr int kPathNumberBoxes[] = {IDC_PATH_POSITION_X, IDC_PATH_POSITION_Y, IDC_PATH_POSITION_Z,
                                    IDC_PATH_ROTATION_X, IDC_PATH_ROTATION_Y, IDC_PATH_ROTATION_Z,
                                    IDC_PATH_SCALE_X,    IDC_PATH_SCALE_Y,    IDC_PATH_SCALE_Z,
                                    IDC_PATH_TENSION,    IDC_PATH_CONTINUITY, IDC_PATH_BIAS,
                                    IDC_PATH_KEY_TIME};
constexpr char kWidestPathNumber[] = "-2000.25";

void pumpMessages(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(10);
  } while (GetTickCount() - start < ms);
}

// Owner-drawn buttons show their id, so that a capture shows where the
// effect icons go.
INT_PTR CALLBACK templateProc(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_DRAWITEM) return message == WM_INITDIALOG;
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  RECT rect = item.rcItem;
  FillRect(item.hDC, &rect, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(item.hDC, &rect, EDGE_RAISED, BF_RECT);
  SetBkMode(item.hDC, TRANSPARENT);
  DrawTextA(item.hDC, std::to_string(item.CtlID).c_str(), -1, &rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  return TRUE;
}

// Width and height in dialog units of dialog template id.
SIZE templateSize(HMODULE module, int id) {
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
  const auto* words =
      info ? static_cast<const WORD*>(LockResource(LoadResource(module, info))) : nullptr;
  if (!words) return {0, 0};
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

std::string className(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool isClass(HWND window, const char* name) {
  return _stricmp(className(window).c_str(), name) == 0;
}
LONG styleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }
bool isButton(HWND window, DWORD type) {
  return isClass(window, "Button") && static_cast<DWORD>(styleOf(window) & BS_TYPEMASK) == type;
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
  const LONG style = styleOf(control);
  if (isClass(control, "Static")) {
    const DWORD type = style & SS_TYPEMASK;
    return type <= SS_RIGHT || type == SS_LEFTNOWORDWRAP ? client.right : -1;
  }
  if (isClass(control, "Edit")) return client.right - 4;
  if (!isClass(control, "Button")) return -1;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return client.right - 8;
    case BS_AUTORADIOBUTTON:
    case BS_AUTOCHECKBOX: return client.right - GetSystemMetrics(SM_CXMENUCHECK) - 6;
    case BS_GROUPBOX: return client.right - 20;
    default: return -1;
  }
}

void expectTextFits(HWND control, const std::string& text) {
  const int room = textRoom(control);
  if (room < 0 || text.empty()) return;
  const SIZE extent = textExtent(control, text.c_str());
  RECT client;
  GetClientRect(control, &client);
  EXPECT_LE(extent.cx, room) << "\"" << text << "\" is cut off in " << describe(control);
  if (isClass(control, "Static"))
    EXPECT_LE(extent.cy, client.bottom)
        << "\"" << text << "\" is too tall for " << describe(control);
}

std::vector<HWND> childrenOf(HWND dialog) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

bool contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

void expectCleanLayout(HWND dialog, SIZE templateDlu) {
  RECT bounds = {0, 0, templateDlu.cx, templateDlu.cy};
  MapDialogRect(dialog, &bounds);
  const std::vector<HWND> children = childrenOf(dialog);
  for (size_t i = 0; i < children.size(); ++i) {
    const RECT a = rectInParent(children[i]);
    EXPECT_TRUE(contains(bounds, a)) << describe(children[i]) << " leaves the dialog";
    expectTextFits(children[i], windowText(children[i]));
    for (size_t j = i + 1; j < children.size() && IsWindowVisible(children[i]); ++j) {
      const RECT b = rectInParent(children[j]);
      RECT common;
      if (!IsWindowVisible(children[j]) || !IntersectRect(&common, &a, &b)) continue;
      const bool framed = (isButton(children[i], BS_GROUPBOX) && contains(a, b)) ||
                          (isButton(children[j], BS_GROUPBOX) && contains(b, a));
      EXPECT_TRUE(framed) << describe(children[i]) << " and " << describe(children[j])
                          << " overlap";
    }
  }
}

// A radio group runs from a radio button that starts a group to the next
// control that starts one, and holds radio buttons only.
void expectRadioGroupsHoldRadiosOnly(HWND dialog) {
  bool inRadioGroup = false;
  for (HWND child : childrenOf(dialog)) {
    const bool radio = isButton(child, BS_AUTORADIOBUTTON);
    if (styleOf(child) & WS_GROUP) inRadioGroup = radio;
    EXPECT_EQ(radio, inRadioGroup)
        << describe(child) << (radio ? " starts no group" : " lies inside a radio group");
  }
}

// Each drop-down list drops to several rows and scrolls when it holds more;
// left closed and empty.
void expectListsDropAndScroll(HWND dialog) {
  for (HWND combo : childrenOf(dialog)) {
    if (!isClass(combo, "ComboBox")) continue;
    EXPECT_EQ(CBS_DROPDOWNLIST, styleOf(combo) & 3) << describe(combo);
    for (int i = 0; i < 40; ++i) SendMessageA(combo, CB_ADDSTRING, 0, LPARAM("item"));
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    pumpMessages(50);
    COMBOBOXINFO parts = {sizeof parts};
    GetComboBoxInfo(combo, &parts);
    EXPECT_TRUE(parts.hwndList && (styleOf(parts.hwndList) & WS_VSCROLL))
        << "the list of " << describe(combo) << " cannot scroll";
    RECT dropped = {}, closed = rectInParent(combo);
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_GE(dropped.bottom - dropped.top, 4 * (closed.bottom - closed.top))
        << "the list of " << describe(combo) << " drops too short to show several items";
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  }
}

void expectCleanTemplate(HWND dialog, SIZE size) {
  expectCleanLayout(dialog, size);
  expectRadioGroupsHoldRadiosOnly(dialog);
  expectListsDropAndScroll(dialog);
}

// The pages in one modeless property sheet; each takes its tab title from its
// template's caption.
class PageSheet {
 public:
  explicit PageSheet(HMODULE module) {
    std::vector<PROPSHEETPAGEA> sheetPages;
    for (int page : kPages) {
      PROPSHEETPAGEA description = {sizeof description};
      description.hInstance = module;
      description.pszTemplate = MAKEINTRESOURCEA(page);
      description.pfnDlgProc = templateProc;
      sheetPages.push_back(description);
    }
    PROPSHEETHEADERA sheet = {sizeof sheet};
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
    sheet.hInstance = module;
    sheet.pszCaption = "Selection sheet pages";
    sheet.nPages = static_cast<UINT>(sheetPages.size());
    sheet.ppsp = sheetPages.data();
    window_ = reinterpret_cast<HWND>(PropertySheetA(&sheet));
    if (window_) SetForegroundWindow(window_);
    pumpMessages(300);
  }
  ~PageSheet() {
    if (window_) DestroyWindow(window_);
  }
  PageSheet(const PageSheet&) = delete;
  PageSheet& operator=(const PageSheet&) = delete;

  HWND window() const { return window_; }

  // Shows page index, coming from another page: a real change of page is
  // what makes the tab strip repaint for the capture.
  HWND showPage(int index) {
    SendMessageA(window_, PSM_SETCURSEL, (index + 1) % std::size(kPages), 0);
    pumpMessages(100);
    SendMessageA(window_, PSM_SETCURSEL, index, 0);
    pumpMessages(200);
    return reinterpret_cast<HWND>(SendMessageA(window_, PSM_GETCURRENTPAGEHWND, 0, 0));
  }

 private:
  HWND window_ = nullptr;
};

bool capture(HWND window, int id) {
  return captureWindow(window, screenshotPath(("template_" + std::to_string(id)).c_str()));
}

class DialogTemplates : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX classes = {sizeof classes,
                                    ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
  }
  void SetUp() override { ASSERT_TRUE(library_.loaded()); }

  HMODULE module() const { return library_.module(); }

  LibraryUnderTest library_;
};

TEST_F(DialogTemplates, PagesShareOneSizeHaveTitlesOfTheirOwnAndAGridOfIcons) {
  const SIZE firstSize = templateSize(module(), kPages[0]);
  EXPECT_GT(firstSize.cx, 0);
  PageSheet sheet(module());
  ASSERT_NE(nullptr, sheet.window());
  for (int page : kPages) {
    const SIZE size = templateSize(module(), page);
    EXPECT_EQ(firstSize.cx, size.cx) << "width of page " << page;
    EXPECT_EQ(firstSize.cy, size.cy) << "height of page " << page;
  }
  const std::vector<std::string> tabs = tabTitles(sheet.window());
  const std::set<std::string> titles(tabs.begin(), tabs.end());
  EXPECT_EQ(std::size(kPages), titles.size()) << "tab titles repeat";
  EXPECT_EQ(0u, titles.count(""));

  HWND page = sheet.showPage(0);
  ASSERT_NE(nullptr, page);
  const RECT first = rectInParent(GetDlgItem(page, IDC_EFFECTS_FIRST_ICON));
  for (int j = 0; j <= IDC_EFFECTS_LAST_ICON - IDC_EFFECTS_FIRST_ICON; ++j) {
    HWND button = GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + j);
    EXPECT_TRUE(isButton(button, BS_OWNERDRAW)) << "icon " << j;
    const RECT icon = rectInParent(button);
    EXPECT_EQ(first.right - first.left, icon.right - icon.left) << "width of icon " << j;
    EXPECT_EQ(first.bottom - first.top, icon.bottom - icon.top) << "height of icon " << j;
    const RECT rowStart = rectInParent(GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + j / 4 * 4));
    const RECT columnTop = rectInParent(GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + j % 4));
    EXPECT_EQ(rowStart.top, icon.top) << "icon " << j << " leaves its row";
    EXPECT_EQ(columnTop.left, icon.left) << "icon " << j << " leaves its column";
    EXPECT_EQ(j / 4 > 0, icon.top > first.top) << "icon " << j;
    EXPECT_EQ(j % 4 > 0, icon.left > first.left) << "icon " << j;
  }
}

class SheetPageTemplate : public DialogTemplates, public ::testing::WithParamInterface<int> {};

TEST_P(SheetPageTemplate, HasACleanLayout) {
  const int id = GetParam();
  PageSheet sheet(module());
  ASSERT_NE(nullptr, sheet.window());
  HWND page = sheet.showPage(static_cast<int>(std::find(kPages, std::end(kPages), id) - kPages));
  ASSERT_NE(nullptr, page);
  expectCleanTemplate(page, templateSize(module(), id));
  EXPECT_TRUE(capture(sheet.window(), id));
}

std::string dialogName(const ::testing::TestParamInfo<int>& info) {
  return "Dialog" + std::to_string(info.param);
}

INSTANTIATE_TEST_SUITE_P(Pages, SheetPageTemplate, ::testing::ValuesIn(kPages), dialogName);

class ModalDialogTemplate : public DialogTemplates, public ::testing::WithParamInterface<int> {};

TEST_P(ModalDialogTemplate, HasACaptionAndACleanLayout) {
  const int id = GetParam();
  HWND dialog = CreateDialogParamA(module(), MAKEINTRESOURCEA(id), nullptr, templateProc, 0);
  ASSERT_NE(nullptr, dialog);
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  pumpMessages(200);

  EXPECT_NE("", windowText(dialog));
  if (id == IDD_PATH_EDITOR) {
    for (int box : kPathNumberBoxes) expectTextFits(GetDlgItem(dialog, box), kWidestPathNumber);
  }
  expectCleanTemplate(dialog, templateSize(module(), id));
  EXPECT_TRUE(capture(dialog, id));
  DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(Modals, ModalDialogTemplate, ::testing::ValuesIn(kModals), dialogName);

}  // namespace
}  // namespace vta::test
