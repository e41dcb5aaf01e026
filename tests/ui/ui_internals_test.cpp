// The control operations every page uses, the shared message handler's
// handling of an editor's OK and Cancel, and where the preview's reports go,
// tested on the library's own templates linked into this program.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ui/controls/dialog_page.h"
#include "ui/sheet/sheet_page.h"
#include "ui/library_state.h"
#include "ui/pages/effect_icon_drawing.h"
#include "ui/selection_sheet.h"
#include "import_hook.h"
#include "model/texture_image.h"
#include "copy_key_ids.h"
#include "envelope_editor_ids.h"
#include "pane_ids.h"
#include "pane_page_fixture.h"
#include "screen_pixels.h"
#include "vantaro/vantaro.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kFramesTrackbar = IDC_SETTINGS_PREVIEW_FRAMES;
constexpr int kSpeedTrackbar = IDC_SETTINGS_PREVIEW_SPEED;
constexpr int kQualityLow = IDC_SETTINGS_PREVIEW_LOW, kQualityHigh = IDC_SETTINGS_PREVIEW_HIGH;
constexpr int kEngineList = IDC_SETTINGS_PREVIEW_ENGINE, kMissingControl = 4242;

using ControlOperations = SettingsPageOnHost;

// The value label beside a trackbar.
std::string label(DialogPage& page, int trackbarId) {
  char text[16] = "";
  page.getText(trackbarId + 1, text, sizeof text);
  return text;
}

TEST_F(ControlOperations, ValueLabelShowsPercentOnlyForAMaximumOf100) {
  page_.setTrackbarRange(kFramesTrackbar, 0, 100, 10);
  page_.setTrackbarValue(kFramesTrackbar, 100);
  EXPECT_EQ("100%", label(page_, kFramesTrackbar));
  page_.setTrackbarRange(kFramesTrackbar, 0, 360, 0);
  page_.setTrackbarValue(kFramesTrackbar, 100);
  EXPECT_EQ("100", label(page_, kFramesTrackbar));
  page_.setTrackbarRange(kSpeedTrackbar, 1, 100, 5);
  page_.setTrackbarValue(kSpeedTrackbar, 45);
  EXPECT_EQ("45%", label(page_, kSpeedTrackbar));
  EXPECT_EQ(45, page_.getTrackbarValue(kSpeedTrackbar));

  HWND trackbar = GetDlgItem(page_.window(), kSpeedTrackbar);
  SendMessageA(trackbar, TBM_SETPOS, TRUE, 7);
  DialogPage::updateTrackbarLabel(trackbar);
  EXPECT_EQ("7%", label(page_, kSpeedTrackbar)) << "a scroll rewrites the label";
}

TEST_F(ControlOperations, RadioGroupsReportTheLowestCheckedOrZero) {
  EXPECT_EQ(0, page_.getCheckedRadio(kQualityLow, kQualityHigh)) << "none checked";
  page_.checkRadio(kQualityLow, kQualityHigh, 2);
  EXPECT_EQ(2, page_.getCheckedRadio(kQualityLow, kQualityHigh));
  EXPECT_TRUE(page_.isChecked(kQualityHigh));
  page_.checkRadio(kQualityLow, kQualityHigh, 0);
  EXPECT_FALSE(page_.isChecked(kQualityHigh));
  EXPECT_EQ(0, page_.getCheckedRadio(kQualityLow, kQualityHigh));
}

TEST_F(ControlOperations, ComboTextNeedsRoomForItsTerminator) {
  page_.clearCombo(kEngineList);
  EXPECT_EQ(-1, page_.getComboText(kEngineList, nullptr, 0)) << "nothing selected";
  page_.addComboItem(kEngineList, "Rnd_Software");
  page_.addComboItem(kEngineList, "Rnd_OpenGL");
  page_.selectComboText(kEngineList, "Rnd_S");
  ASSERT_EQ(page_.getComboIndex(kEngineList) >= 0, true);
  char exact[12] = "untouched";  // "Rnd_Software" is 12 characters
  EXPECT_EQ(12, page_.getComboText(kEngineList, exact, sizeof exact));
  EXPECT_STREQ("untouched", exact);
  char roomy[13];
  EXPECT_EQ(12, page_.getComboText(kEngineList, roomy, sizeof roomy));
  EXPECT_STREQ("Rnd_Software", roomy);
}

TEST_F(ControlOperations, GuardedOperationsIgnoreMissingControls) {
  EXPECT_EQ(0, page_.setTrackbarRange(kMissingControl, 0, 10, 1));
  EXPECT_EQ(0, page_.setTrackbarValue(kMissingControl, 3));
  EXPECT_EQ(0, page_.getTrackbarValue(kMissingControl));
  EXPECT_EQ(0, page_.showControl(kMissingControl));
  EXPECT_EQ(0, page_.enableControl(kMissingControl));
  EXPECT_EQ(0, page_.redrawControl(kMissingControl));
  EXPECT_EQ(1, page_.hideControl(kFramesTrackbar));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page_.window(), kFramesTrackbar)));
  EXPECT_EQ(1, page_.setControlEnabled(kFramesTrackbar, 0));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page_.window(), kFramesTrackbar)));
}

TEST(ControlOperationsWithoutWindow, DoNothingAndReturnZero) {
  TestSheet sheet;
  PaneDialog page(sheet.context);
  ASSERT_EQ(nullptr, page.window());
  EXPECT_EQ(0, page.setTrackbarRange(kFramesTrackbar, 0, 10, 1));
  EXPECT_EQ(0, page.setTrackbarValue(kFramesTrackbar, 3));
  EXPECT_EQ(0, page.getTrackbarValue(kFramesTrackbar));
  EXPECT_EQ(0, page.checkRadio(kQualityLow, kQualityHigh, 1));
  EXPECT_EQ(0, page.getCheckedRadio(kQualityLow, kQualityHigh));
  EXPECT_EQ(0, page.setCheck(IDC_SETTINGS_AUTO_REVERSE, 1));
  EXPECT_EQ(0, page.showControl(kFramesTrackbar));
  EXPECT_EQ(0, page.hideControl(kFramesTrackbar));
  EXPECT_EQ(0, page.enableControl(kFramesTrackbar));
  EXPECT_EQ(0, page.disableControl(kFramesTrackbar));
  EXPECT_EQ(0, page.setControlEnabled(kFramesTrackbar, 1));
  EXPECT_EQ(0, page.redrawControl(kFramesTrackbar));
}

// An editor's Cancel must not throw away the rest of the session's edits.
TEST(EditorButtons, CancelEndsTheEditorWithoutCancellingTheSheet) {
  setModuleInstance(GetModuleHandleA(nullptr));
  for (int button : {IDCANCEL, IDOK}) {
    TestSheet sheet;
    PaneDialog editor(sheet.context);
    std::thread driver([&] {
      if (HWND dialog = waitForWindow("Copy Current Key")) clickButton(dialog, button);
    });
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_COPY_KEY), nullptr,
                        editor.dialogProc(), reinterpret_cast<LPARAM>(&editor));
    driver.join();
    EXPECT_EQ(0, result) << "button " << button;
    EXPECT_FALSE(sheet.session.cancelled()) << "button " << button;
  }
}

// A page whose own handling fails on one message, as an allocation could.
constexpr UINT kFailingMessage = WM_APP + 1;
class FailingPage final : public SheetPage {
 public:
  explicit FailingPage(SheetContext& context) : SheetPage(context, IDD_COPY_KEY, "failing") {}

 private:
  void onMessage(UINT message, WPARAM, LPARAM) override {
    if (message == kFailingMessage) throw std::bad_alloc();
  }
};

TEST(PageProcedure, AFailureGivesTheMessageItsDefaultHandling) {
  setModuleInstance(GetModuleHandleA(nullptr));
  TestSheet sheet;
  FailingPage page(sheet.context);
  const PROPSHEETPAGEA description = page.describe();
  HWND window =
      CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_COPY_KEY), nullptr,
                         page.dialogProc(), reinterpret_cast<LPARAM>(&description));
  ASSERT_NE(nullptr, window);
  EXPECT_EQ(0, SendMessageA(window, kFailingMessage, 0, 0));
  EXPECT_TRUE(IsWindow(window)) << "the dialog goes on";
  DestroyWindow(window);
}

// Icons (and preview frames, drawn the same way) are scaled with smoothing:
// a black and white icon drawn ten times larger shows greys at the border,
// where nearest-pixel copies show only its two colours.
TEST(IconDrawing, AScaledIconIsSmoothed) {
  TextureImage icon;
  ASSERT_TRUE(icon.describeBgr24(8, 8, 4));
  std::vector<uint8_t> pixels(icon.dataSize, 0);
  for (uint32_t y = 0; y < 8; ++y) {
    for (uint32_t x = 4; x < 8; ++x) std::fill_n(&pixels[y * icon.rowBytes + x * 3], 3, 255);
  }
  ASSERT_TRUE(icon.takePixels(pixels.data(), static_cast<uint32_t>(pixels.size())));
  const Canvas canvas(80, 80);
  drawIconPicture(canvas.dc(), canvas.area(), icon);
  std::set<COLORREF> middleRow;
  for (int x = 10; x < 70; ++x) middleRow.insert(GetPixel(canvas.dc(), x, 40));
  EXPECT_GT(middleRow.size(), 2u);
}

// A sheet the system cannot make, as a host sees it when dialogs fail.
INT_PTR WINAPI failToMakeSheet(LPCPROPSHEETHEADERA) { return -1; }

TEST(SheetNotCreated, LeavesTheHostsRecordAsItCame) {
  setModuleInstance(GetModuleHandleA(nullptr));
  void* real = replaceImport(GetModuleHandleA(nullptr), "comctl32.dll", "PropertySheetA",
                             reinterpret_cast<void*>(&failToMakeSheet));
  ASSERT_NE(nullptr, real);
  EffectSettings record;
  record.globalParams[VTA_FILTER_FRAMES] = 0.0f;  // the filter start would correct it
  const int second = 0;
  const int result = runSelectionSheet(nullptr, &record, &second);
  replaceImport(GetModuleHandleA(nullptr), "comctl32.dll", "PropertySheetA", real);
  EXPECT_EQ(2, result);
  EXPECT_EQ(0.0f, record.globalParams[VTA_FILTER_FRAMES]);
  EXPECT_EQ(0.0f, record.globalParams[VTA_FILTER_ON]);
}

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
  PaneReports& reports() { return sheet_.reports; }

  PaneDialog editor_{sheet_.context};
};

// The preview's reports go to the active page, then to an editor while it
// is open. The page was showing a render that ends while the editor is open:
// it shows the render state again when the editor closes.
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
  HWND editor = editor_.create(IDD_ENVELOPE_EDITOR, host_);
  SendMessageA(editor, WM_ACTIVATE, WA_ACTIVE, 0);
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
