// Where the preview's reports go: to the active page, to an editor while it
// is open, and back to the page that opened the editor once it closes.
// Built with the library's own templates linked into this program.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "ui/sheet/dialog_page.h"
#include "ui/library_state.h"
#include "ui/sheet/selection_sheet.h"
#include "ui/pane/preview_pane.h"
#include "preview/preview_renderer.h"
#include "pane_page_fixture.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kEnvelopeEditor = 118;
constexpr int kRender = 1078, kProgress = 1084;

void pumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// Shown by its own style (the page itself is never shown here).
bool shown(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0; }

int progress(const DialogPage& dialog) {
  return static_cast<int>(SendDlgItemMessageA(dialog.window(), kProgress, PBM_GETPOS, 0, 0));
}

class PaneReports : public SettingsPageOnHost {
 protected:
  void TearDown() override {
    SettingsPageOnHost::TearDown();
    setActivePage(nullptr);
    sheet() = SheetState{};
  }

  HWND openEditor() {
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kEnvelopeEditor),
                                     host_, editor_.dialogProc(), 0);
    SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
    return window;
  }

  PaneDialog<1> editor_;
};

TEST_F(PaneReports, GoToTheActivePage) {
  activatePane(page_);
  EXPECT_EQ(&page_, sheet().activePage);
  panePreviewListener().progressChanged(35);
  pumpMessages();
  EXPECT_EQ(35, progress(page_));
  SetDlgItemTextA(page_.window(), kRender, "Stop");
  panePreviewListener().renderStateChanged();
  pumpMessages();
  EXPECT_EQ("Render", windowText(GetDlgItem(page_.window(), kRender))) << "no render runs";
}

TEST_F(PaneReports, AnEditorTakesThemOverAndHandsThemBackWhenItCloses) {
  activatePane(page_);
  HWND editor = openEditor();
  ASSERT_NE(nullptr, editor);
  EXPECT_EQ(&editor_, sheet().activePage);
  EXPECT_EQ(&page_, sheet().returnPage);
  panePreviewListener().progressChanged(40);
  pumpMessages();
  EXPECT_EQ(40, progress(editor_));
  EXPECT_EQ(0, progress(page_));

  SendMessageA(editor, WM_ACTIVATE, WA_INACTIVE, 0);
  SendMessageA(editor, WM_ACTIVATE, WA_CLICKACTIVE, 0);
  EXPECT_EQ(&page_, sheet().returnPage) << "reactivation keeps the opening page";

  DestroyWindow(editor);
  EXPECT_EQ(&page_, sheet().activePage);
  EXPECT_EQ(nullptr, sheet().returnPage);
  panePreviewListener().progressChanged(60);
  pumpMessages();
  EXPECT_EQ(60, progress(page_));
}

TEST_F(PaneReports, ThePageShowsTheRenderStateAgainWhenTheEditorCloses) {
  activatePane(page_);
  panePreviewListener().progressChanged(35);
  pumpMessages();
  SetDlgItemTextA(page_.window(), kRender, "Stop");
  HWND editor = openEditor();
  ASSERT_NE(nullptr, editor);
  DestroyWindow(editor);  // the render ended while the editor was open
  EXPECT_EQ("Render", windowText(GetDlgItem(page_.window(), kRender)));
  EXPECT_EQ(0, progress(page_));
}

TEST_F(PaneReports, ClosingTheActivePageWithoutAnEditorKeepsIt) {
  activatePane(page_);
  DestroyWindow(page_.window());
  EXPECT_EQ(&page_, sheet().activePage);
}

TEST_F(PaneReports, SpeedSliderIsSetUpOnlyOutsideFilterMode) {
  HWND slider = GetDlgItem(page_.window(), kSpeedTrackbarId);
  EXPECT_TRUE(shown(slider));
  EXPECT_EQ(1, SendMessageA(slider, TBM_GETRANGEMIN, 0, 0));
  EXPECT_EQ(30, SendMessageA(slider, TBM_GETRANGEMAX, 0, 0));
  EXPECT_EQ(10, SendMessageA(slider, TBM_GETPAGESIZE, 0, 0));
  EXPECT_EQ(1, SendMessageA(slider, TBM_GETPOS, 0, 0)) << "no speed stored plays at 1";

  int second = 0;
  sheet().secondRecord = &second;
  initSpeedSlider(page_);
  EXPECT_FALSE(shown(slider));
  EXPECT_FALSE(IsWindowEnabled(slider));
}

}  // namespace
}  // namespace vta::test
