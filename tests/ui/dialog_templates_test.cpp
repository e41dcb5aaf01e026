// Every dialog template of Vantaro30.dll as the library ships it, shown with a
// dialog procedure that does nothing: the five pages in one modeless property
// sheet (which also shows their tab titles), the editors and the copy-key
// dialog on their own. Each is checked against its expected controls and a
// clean layout, and captured as template_<id>.png.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_expectations.h"
#include "dialog_inspection.h"
#include "library_under_test.h"
#include "window_driver.h"

namespace vta::test {
namespace {

// Draws an owner-drawn button as a raised box with its id, so that a capture
// shows where the effect icons go.
void drawPlaceholder(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  FillRect(item.hDC, &rect, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(item.hDC, &rect, EDGE_RAISED, BF_RECT);
  const std::string id = std::to_string(item.CtlID);
  SetBkMode(item.hDC, TRANSPARENT);
  DrawTextA(item.hDC, id.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

INT_PTR CALLBACK templateProc(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_DRAWITEM) {
    drawPlaceholder(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return FALSE;
}

bool capture(HWND window, int id) {
  return captureWindow(window, screenshotPath(("template_" + std::to_string(id)).c_str()));
}

// The pages in one modeless property sheet, in the selection sheet's order;
// each page takes its tab title from its template's caption.
class PageSheet {
 public:
  explicit PageSheet(HMODULE module) {
    std::vector<PROPSHEETPAGEA> pages;
    for (const ExpectedDialog& page : sheetPages()) {
      PROPSHEETPAGEA description = {};
      description.dwSize = sizeof description;
      description.dwFlags = PSP_DEFAULT;
      description.hInstance = module;
      description.pszTemplate = MAKEINTRESOURCEA(page.id);
      description.pfnDlgProc = templateProc;
      pages.push_back(description);
    }
    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
    sheet.hInstance = module;
    sheet.pszCaption = "Selection sheet pages";
    sheet.nPages = static_cast<UINT>(pages.size());
    sheet.ppsp = pages.data();
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
    const int count = static_cast<int>(sheetPages().size());
    SendMessageA(window_, PSM_SETCURSEL, (index + 1) % count, 0);
    pumpMessages(100);
    SendMessageA(window_, PSM_SETCURSEL, index, 0);
    pumpMessages(200);
    return reinterpret_cast<HWND>(SendMessageA(window_, PSM_GETCURRENTPAGEHWND, 0, 0));
  }

  std::string tabTitle(int index) const {
    char text[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(window_, PSM_GETTABCONTROL, 0, 0));
    SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
  }

 private:
  HWND window_ = nullptr;
};

class DialogTemplates : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX classes = {sizeof classes,
                                    ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
  }

  HMODULE module() const { return library_.module(); }

  LibraryUnderTest library_;
};

TEST_F(DialogTemplates, PagesShareOneSizeAndAreTitledForTheirTabs) {
  ASSERT_TRUE(library_.loaded());
  const std::vector<ExpectedDialog>& pages = sheetPages();
  const SIZE first = templateSize(module(), pages[0].id);
  EXPECT_GT(first.cx, 0);
  PageSheet sheet(module());
  ASSERT_NE(nullptr, sheet.window());
  for (size_t i = 0; i < pages.size(); ++i) {
    const SIZE size = templateSize(module(), pages[i].id);
    EXPECT_EQ(first.cx, size.cx) << "width of page " << pages[i].id;
    EXPECT_EQ(first.cy, size.cy) << "height of page " << pages[i].id;
    EXPECT_EQ(pages[i].caption, sheet.tabTitle(static_cast<int>(i)));
  }
}

TEST_F(DialogTemplates, EffectIconsAreFourRowsOfFourButtons35By30) {
  ASSERT_TRUE(library_.loaded());
  PageSheet sheet(module());
  HWND page = sheet.showPage(0);
  ASSERT_NE(nullptr, page);
  RECT size = {0, 0, 35, 30};
  MapDialogRect(page, &size);
  const RECT first = rectInParent(GetDlgItem(page, 1001));
  for (int j = 0; j < 16; ++j) {
    const RECT icon = rectInParent(GetDlgItem(page, 1001 + j));
    EXPECT_EQ(size.right, icon.right - icon.left) << "width of icon " << j;
    EXPECT_EQ(size.bottom, icon.bottom - icon.top) << "height of icon " << j;
    const RECT rowStart = rectInParent(GetDlgItem(page, 1001 + j / 4 * 4));
    const RECT columnTop = rectInParent(GetDlgItem(page, 1001 + j % 4));
    EXPECT_EQ(rowStart.top, icon.top) << "icon " << j << " leaves its row";
    EXPECT_EQ(columnTop.left, icon.left) << "icon " << j << " leaves its column";
    EXPECT_EQ(j / 4 > 0, icon.top > first.top) << "icon " << j;
    EXPECT_EQ(j % 4 > 0, icon.left > first.left) << "icon " << j;
  }
}

class SheetPageTemplate : public DialogTemplates, public ::testing::WithParamInterface<int> {};

TEST_P(SheetPageTemplate, HoldsItsControlsInACleanLayout) {
  ASSERT_TRUE(library_.loaded());
  const ExpectedDialog& expected = sheetPages()[GetParam()];
  PageSheet sheet(module());
  ASSERT_NE(nullptr, sheet.window());
  HWND page = sheet.showPage(GetParam());
  ASSERT_NE(nullptr, page);
  expectDialogMatches(page, expected, templateSize(module(), expected.id));
  EXPECT_TRUE(capture(sheet.window(), expected.id));
}

INSTANTIATE_TEST_SUITE_P(Pages, SheetPageTemplate, ::testing::Range(0, 5),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Dialog" + std::to_string(sheetPages()[info.param].id);
                         });

using ExpectedModal = const ExpectedDialog& (*)();

class ModalDialogTemplate : public DialogTemplates,
                            public ::testing::WithParamInterface<ExpectedModal> {};

TEST_P(ModalDialogTemplate, HasItsSizeCaptionAndControlsInACleanLayout) {
  ASSERT_TRUE(library_.loaded());
  const ExpectedDialog& expected = GetParam()();
  HWND dialog =
      CreateDialogParamA(module(), MAKEINTRESOURCEA(expected.id), nullptr, templateProc, 0);
  ASSERT_NE(nullptr, dialog);
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  pumpMessages(200);

  const SIZE size = templateSize(module(), expected.id);
  EXPECT_EQ(expected.width, size.cx);
  EXPECT_EQ(expected.height, size.cy);
  RECT wanted = {0, 0, size.cx, size.cy}, client;
  MapDialogRect(dialog, &wanted);
  GetClientRect(dialog, &client);
  EXPECT_EQ(wanted.right, client.right);
  EXPECT_EQ(wanted.bottom, client.bottom);
  EXPECT_EQ(expected.caption, windowText(dialog));
  const LONG style = GetWindowLongA(dialog, GWL_STYLE);
  EXPECT_TRUE(style & DS_MODALFRAME);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_EQ(WS_CAPTION, style & WS_CAPTION);

  expectDialogMatches(dialog, expected, size);
  EXPECT_TRUE(capture(dialog, expected.id));
  DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(Editors, ModalDialogTemplate,
                         ::testing::Values(&envelopeEditor, &pathEditor, &copyKeyDialog),
                         [](const ::testing::TestParamInfo<ExpectedModal>& info) {
                           return "Dialog" + std::to_string(info.param().id);
                         });

TEST_F(DialogTemplates, EnvelopeEditorHasNoSystemMenu) {
  ASSERT_TRUE(library_.loaded());
  HWND dialog =
      CreateDialogParamA(module(), MAKEINTRESOURCEA(envelopeEditor().id), nullptr, templateProc, 0);
  ASSERT_NE(nullptr, dialog);
  EXPECT_FALSE(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU);
  DestroyWindow(dialog);
}

}  // namespace
}  // namespace vta::test
