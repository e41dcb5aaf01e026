// Where the preview's reports go: to the active page, to an editor while it
// is open, and back to the page that opened the editor once it closes.
// Built with the library's own templates linked into this program.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "envelope_editor_ids.h"
#include "pane_ids.h"
#include "ui/controls/dialog_page.h"
#include "ui/library_state.h"
#include "pane_page_fixture.h"
#include "window_driver.h"

namespace vta::test {
namespace {

void pumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

int progress(const DialogPage& dialog) {
  return static_cast<int>(
      SendDlgItemMessageA(dialog.window(), IDC_PANE_PROGRESS, PBM_GETPOS, 0, 0));
}

class PaneReportsTest : public SettingsPageOnHost {
 protected:
  HWND openEditor() {
    HWND window = editor_.create(IDD_ENVELOPE_EDITOR, host_);
    SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
    return window;
  }
  PaneReports& reports() { return sheet_.reports; }

  PaneDialog editor_{sheet_.context};
};

// They go to the active page, then to an editor while it is open. The page
// was showing a render that ends while the editor is open: it shows the
// render state again when the editor closes.
TEST_F(PaneReportsTest, GoToTheActivePageAndAnEditorTakesThemOverUntilItCloses) {
  page_.pane().activate();
  EXPECT_EQ(&page_, reports().activeDialog());
  reports().progressChanged(35);
  pumpMessages();
  EXPECT_EQ(35, progress(page_));
  SetDlgItemTextA(page_.window(), IDC_PANE_RENDER, "Stop");
  reports().renderStateChanged();
  pumpMessages();
  EXPECT_EQ("Render", windowText(GetDlgItem(page_.window(), IDC_PANE_RENDER))) << "no render runs";
  SetDlgItemTextA(page_.window(), IDC_PANE_RENDER, "Stop");
  HWND editor = openEditor();
  ASSERT_NE(nullptr, editor);
  EXPECT_EQ(&editor_, reports().activeDialog());
  EXPECT_EQ(&page_, reports().returnDialog());
  reports().progressChanged(40);
  pumpMessages();
  EXPECT_EQ(40, progress(editor_));
  EXPECT_EQ(35, progress(page_));

  SendMessageA(editor, WM_ACTIVATE, WA_INACTIVE, 0);
  SendMessageA(editor, WM_ACTIVATE, WA_CLICKACTIVE, 0);
  EXPECT_EQ(&page_, reports().returnDialog()) << "reactivation keeps the opening page";

  DestroyWindow(editor);
  EXPECT_EQ(&page_, reports().activeDialog());
  EXPECT_EQ(nullptr, reports().returnDialog());
  EXPECT_EQ("Render", windowText(GetDlgItem(page_.window(), IDC_PANE_RENDER)));
  EXPECT_EQ(0, progress(page_));
  reports().progressChanged(60);
  pumpMessages();
  EXPECT_EQ(60, progress(page_));
}

TEST_F(PaneReportsTest, ClosingTheActivePageWithoutAnEditorKeepsIt) {
  page_.pane().activate();
  DestroyWindow(page_.window());
  EXPECT_EQ(&page_, reports().activeDialog());
}

}  // namespace
}  // namespace vta::test
