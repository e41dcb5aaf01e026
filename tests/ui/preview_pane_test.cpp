// The "Selected FX" pane as a user sees it, with the test renderer as the
// preview engine: the Render button's texts, the speed slider and playback
// timer, filter mode, page switches, restarts after edits and preview
// settings, and captures of the playing preview.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <vector>

#include "effects_page_ids.h"
#include "filter_page_ids.h"
#include "pane_ids.h"
#include "pane_observers.h"
#include "registry_value.h"
#include "screen_pixels.h"
#include "settings_page_ids.h"
#include "sheet_fixture.h"
#include "ui/pane/preview_pane.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kThirdIcon = IDC_EFFECTS_FIRST_ICON + 2;

int progress(HWND page) {
  return static_cast<int>(SendDlgItemMessageA(page, IDC_PANE_PROGRESS, PBM_GETPOS, 0, 0));
}

COLORREF pictureColour(HWND page) {
  HWND picture = GetDlgItem(page, IDC_PANE_PICTURE);
  RECT area;
  GetClientRect(picture, &area);
  return screenColourAt(picture, {area.right / 2, area.bottom / 2});
}

// Clicks a control that is no pane control, so the page only runs its
// restart check (as after any edit the user makes).
void notifyEdit(HWND page) { SendMessageA(page, WM_COMMAND, MAKEWPARAM(4321, 0), 0); }

class PreviewPaneTest : public SheetFixture {
 protected:
  void SetUp() override {
    SheetFixture::SetUp();
    ASSERT_TRUE(renderer_.loaded()) << "Rnd_Test.DLL is copied into the sample LIBS folder";
    ASSERT_TRUE(recordTimers(library_.module()));
    engine_.setText("Rnd_Test");
    frames_.setNumber(12);
    quality_.setNumber(0);
    speed_.setNumber(10);
    automatic_.setNumber(0);
  }

  void run(bool filterMode, const std::function<void(HWND sheet)>& drive) {
    open(record_, filterMode, [&](HWND sheet) {
      drive(sheet);
      renderer_.release();
      closeWithOk(sheet);
    });
  }

  // Waits until the page's preview has no render running (button "Render",
  // no renderer call for 200 ms) and then forgets the renderer's calls.
  void settle(HWND page) {
    size_t seen = SIZE_MAX;
    DWORD since = 0;
    ASSERT_TRUE(waitUntil([&] {
      if (renderer_.calls().size() != seen) seen = renderer_.calls().size(), since = GetTickCount();
      return GetTickCount() - since >= 200 && controlText(page, IDC_PANE_RENDER) == "Render";
    }));
    renderer_.reset();
  }

  RendererControl renderer_;
  RegistryValue engine_{"Prev_Engine"}, frames_{"Prev_Frames"}, quality_{"Prev_Quality"},
      speed_{"Prev_Speed"}, automatic_{"Prev_Render"};
};

// The speed slider, a render stopped half-way, one that plays all its
// frames, and the sheet closed with OK while a frame renders.
TEST_F(PreviewPaneTest, SpeedRenderStopPlayAndCloseDuringARender) {
  speed_.setNumber(30);
  run(false, [&](HWND sheet) {
    HWND page = currentPage(sheet);
    HWND slider = GetDlgItem(page, IDC_PANE_SPEED);
    EXPECT_TRUE(IsWindowVisible(slider));
    EXPECT_EQ(30, SendMessageA(slider, TBM_GETPOS, 0, 0));
    EXPECT_EQ(1, SendMessageA(slider, TBM_GETRANGEMIN, 0, 0)) << "never a speed of 0";
    ASSERT_FALSE(timerCalls().empty());
    EXPECT_EQ(33u, timerCalls().back().period);
    SendMessageA(slider, TBM_SETPOS, TRUE, 10);
    SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
    const std::vector<TimerCall> calls = timerCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_FALSE(calls[calls.size() - 2].set) << "the old timer is killed";
    EXPECT_TRUE(calls.back().set);
    EXPECT_EQ(page, calls.back().window);
    EXPECT_EQ(static_cast<UINT_PTR>(kPlaybackTimer), calls.back().id);
    EXPECT_EQ(100u, calls.back().period);
    page = showPage(sheet, 1);
    EXPECT_EQ(100u, timerCalls().back().period) << "the next page plays at the new speed";
    EXPECT_EQ(10, SendDlgItemMessageA(page, IDC_PANE_SPEED, TBM_GETPOS, 0, 0));

    settle(page);
    renderer_.hold(2, false);
    EXPECT_EQ("Render", controlText(page, IDC_PANE_RENDER));
    clickButton(page, IDC_PANE_RENDER);
    EXPECT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 3));
    EXPECT_TRUE(waitUntil([&] { return controlText(page, IDC_PANE_RENDER) == "Stop"; }));
    EXPECT_TRUE(waitUntil([&] { return progress(page) == 9; })) << "frame 1 done: 1 x 100 / 11";
    captureWindow(sheet, screenshotPath("preview_pane_rendering"));
    clickButton(page, IDC_PANE_RENDER);
    EXPECT_TRUE(waitUntil([&] { return controlText(page, IDC_PANE_RENDER) == "Wait..."; }));
    captureWindow(sheet, screenshotPath("preview_pane_wait"));
    EXPECT_EQ("Wait...", controlText(page, IDC_PANE_RENDER)) << "until the held frame is done";
    renderer_.release();
    EXPECT_TRUE(waitUntil([&] { return controlText(page, IDC_PANE_RENDER) == "Render"; }));
    EXPECT_TRUE(waitUntil([&] { return progress(page) == 0; }));
    EXPECT_EQ(3u, renderer_.calls(RND_TEST_RENDER).size());

    renderer_.reset();
    clickButton(page, IDC_PANE_RENDER);
    ASSERT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 12));
    ASSERT_TRUE(waitUntil([&] { return controlText(page, IDC_PANE_RENDER) == "Render"; }));
    EXPECT_TRUE(waitUntil([&] { return pictureColour(page) != RGB(192, 192, 192); }));
    std::set<COLORREF> seen;
    EXPECT_TRUE(waitUntil([&] {
      seen.insert(pictureColour(page));
      return seen.size() >= 3;
    })) << "frames follow each other";
    EXPECT_TRUE(captureWindow(sheet, screenshotPath("preview_pane_playing_1")));
    EXPECT_TRUE(captureWindow(sheet, screenshotPath("preview_pane_playing_2")));
    page = showPage(sheet, 3);
    EXPECT_TRUE(captureWindow(sheet, screenshotPath("preview_pane_playing_settings")));

    renderer_.reset();
    renderer_.hold(2, true);
    clickButton(page, IDC_PANE_RENDER);
    ASSERT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 3));
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_TRUE(waitForWindowGone(sheet));
    EXPECT_TRUE(renderer_.waitFor(RND_TEST_FREE, 1)) << "the worker ended after its frame";
    EXPECT_EQ(3u, renderer_.calls(RND_TEST_RENDER).size());
  });
}

TEST_F(PreviewPaneTest, FilterModeHidesTheSliderAndNeverMovesTheProgressBar) {
  frames_.setNumber(200);
  record_.globalParams[VTA_FILTER_FRAMES] = 0.0f;
  run(true, [&](HWND sheet) {
    HWND page = currentPage(sheet);
    settle(page);
    HWND slider = GetDlgItem(page, IDC_PANE_SPEED);
    EXPECT_FALSE(IsWindowVisible(slider));
    EXPECT_FALSE(IsWindowEnabled(slider));
    renderer_.hold(0, false);
    clickButton(page, IDC_PANE_RENDER);
    ASSERT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 1));
    EXPECT_TRUE(waitUntil([&] { return controlText(page, IDC_PANE_RENDER) == "Stop"; }));
    EXPECT_EQ(0, progress(page));
    renderer_.release();
    EXPECT_TRUE(waitUntil([&] { return controlText(page, IDC_PANE_RENDER) == "Render"; }));
    EXPECT_EQ(0, progress(page));
    const std::vector<RndTestCall> renders = renderer_.calls(RND_TEST_RENDER);
    ASSERT_EQ(1u, renders.size()) << "one frame even with 200 stored";
    EXPECT_EQ(100u, renders[0].range) << "the corrected filter frame count";
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(showPage(sheet, 2), IDC_PANE_SPEED)))
        << "on every page";
  });
}

TEST_F(PreviewPaneTest, PageSwitchStopsOnePaneAndStartsTheNext) {
  std::strcpy(record_.effectName, "Page Turn Right");
  run(false, [&](HWND sheet) {
    HWND first = currentPage(sheet);
    settle(first);
    EXPECT_EQ("Page Turn Right", controlText(first, IDC_PANE_TITLE));
    clickButton(first, kThirdIcon);
    ASSERT_TRUE(waitUntil([&] { return std::strcmp(record_.effectName, "Door Swing Open") == 0; }));
    renderer_.hold(1, false);
    clickButton(first, IDC_PANE_RENDER);
    ASSERT_TRUE(waitUntil([&] { return controlText(first, IDC_PANE_RENDER) == "Stop"; }));
    const size_t before = timerCalls().size();
    HWND second = showPage(sheet, 1);
    ASSERT_NE(first, second);
    const std::vector<TimerCall> calls = timerCalls();
    bool killedFirst = false, startedSecond = false;
    for (size_t i = before; i < calls.size(); ++i) {
      killedFirst |= !calls[i].set && calls[i].window == first && calls[i].id == kPlaybackTimer;
      startedSecond |= calls[i].set && calls[i].window == second && calls[i].id == kPlaybackTimer;
    }
    EXPECT_TRUE(killedFirst);
    EXPECT_TRUE(startedSecond);
    EXPECT_EQ("Stop", controlText(second, IDC_PANE_RENDER)) << "the running render, at once";
    EXPECT_EQ("Door Swing Open", controlText(second, IDC_PANE_TITLE))
        << "the effect chosen meanwhile";
    EXPECT_NE("", controlText(second, IDC_PANE_DESCRIPTION));
    renderer_.release();
    EXPECT_TRUE(waitUntil([&] { return controlText(second, IDC_PANE_RENDER) == "Render"; }))
        << "the worker now reports to the new page";
  });
}

// With automatic preview an edit restarts the preview (stopping a running
// render first); a setting changed and changed back starts nothing.
TEST_F(PreviewPaneTest, EditsRestartThePreviewOnlyWithAutomaticPreview) {
  run(false, [&](HWND sheet) {
    HWND page = currentPage(sheet);
    notifyEdit(page);
    settle(page);
    std::strcpy(record_.effectName, "Manual");
    notifyEdit(page);
    Sleep(400);
    EXPECT_TRUE(renderer_.calls(RND_TEST_PREPARE).empty()) << "automatic preview is off";
    clickButton(page, IDC_PANE_RENDER);
    ASSERT_TRUE(renderer_.waitFor(RND_TEST_PREPARE, 1));
    EXPECT_STREQ("Manual", renderer_.calls(RND_TEST_PREPARE)[0].effectName);
  });
  automatic_.setNumber(1);
  std::strcpy(record_.effectName, "");
  run(false, [&](HWND sheet) {
    HWND page = currentPage(sheet);
    notifyEdit(page);
    settle(page);
    record_.globalParams[VTA_IMAGE_QUALITY] = 5.0f;
    record_.globalParams[VTA_IMAGE_QUALITY] = 0.0f;
    notifyEdit(page);
    Sleep(400);
    EXPECT_TRUE(renderer_.calls(RND_TEST_PREPARE).empty()) << "changed and changed back";
    renderer_.hold(1, true);
    std::strcpy(record_.effectName, "First");
    notifyEdit(page);
    ASSERT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 2));
    std::strcpy(record_.effectName, "Second");
    notifyEdit(page);  // during the render: stop, then start again
    ASSERT_TRUE(renderer_.waitFor(RND_TEST_PREPARE, 2));
    const std::vector<RndTestCall> prepares = renderer_.calls(RND_TEST_PREPARE);
    EXPECT_STREQ("First", prepares[0].effectName);
    EXPECT_STREQ("Second", prepares[1].effectName);
    EXPECT_TRUE(renderer_.calls(RND_TEST_RENDER)[1].aborted);
  });
}

// On the Settings page with automatic preview: quality or frames make a new
// engine, the speed only restarts the playback timer.
TEST_F(PreviewPaneTest, QualityOrFramesMakeANewEngineSpeedOnlyRestartsTheTimer) {
  automatic_.setNumber(1);
  frames_.setNumber(6);
  SheetFixture::run(3, [&](HWND, HWND page) {
    ASSERT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 6));
    settle(page);
    clickButton(page, IDC_SETTINGS_PREVIEW_MEDIUM);
    EXPECT_TRUE(renderer_.waitFor(RND_TEST_FREE, 1)) << "the old engine ends";
    EXPECT_TRUE(renderer_.waitFor(RND_TEST_PREPARE, 1)) << "the new one renders at once";
    settle(page);
    moveTrackbar(page, IDC_SETTINGS_PREVIEW_FRAMES, 11);
    EXPECT_TRUE(renderer_.waitFor(RND_TEST_FREE, 1));
    EXPECT_TRUE(renderer_.waitFor(RND_TEST_RENDER, 11)) << "the new engine renders 11 frames";
    settle(page);

    moveTrackbar(page, IDC_SETTINGS_PREVIEW_SPEED, 20);
    EXPECT_TRUE(waitUntil([&] {
      for (const TimerCall& call : timerCalls()) {
        if (call.set && call.window == page && call.id == kPlaybackTimer && call.period == 50)
          return true;
      }
      return false;
    })) << "1000 / 20 ms";
    EXPECT_TRUE(renderer_.calls(RND_TEST_FREE).empty()) << "the engine stays";
    EXPECT_EQ(20u, speed_.number());
  });
}

// In filter mode the preview draws the Filter page's moment of the frames.
TEST_F(PreviewPaneTest, TheFilterPreviewDrawsThePagesMomentOfTheFrames) {
  automatic_.setNumber(1);
  record_.globalParams[VTA_FILTER_FRAMES] = 100;
  record_.globalParams[VTA_FILTER_PERCENT] = 50;
  auto renderedAt = [&](uint32_t position, uint32_t range) {
    return waitUntil([&] {
      for (const RndTestCall& call : renderer_.calls(RND_TEST_RENDER)) {
        if (call.position == position && call.range == range) return true;
      }
      return false;
    });
  };
  SheetFixture::run(record_, 2, true, [&](HWND, HWND page) {
    EXPECT_TRUE(renderedAt(50, 100));
    moveTrackbar(page, IDC_FILTER_FRAMES, 30, false);
    EXPECT_TRUE(renderedAt(15, 30));
  });
}

}  // namespace
}  // namespace vta::test
