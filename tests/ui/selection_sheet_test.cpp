// The selection sheet as a host sees it: its pages and their titles, the
// filter-mode start-up correction, OK and Cancel, and help.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "import_hook.h"
#include "installation.h"
#include "model/components/surface.h"
#include "model/effect_settings.h"
#include "sheet_fixture.h"
#include "window_driver.h"

namespace vta::test {
namespace {

struct HelpCall {
  HWND window;
  std::string file;
  UINT command;
  ULONG_PTR data;
};
// Written on the dialog's thread, waited for on the driver's.
std::vector<HelpCall> g_helpCalls;
std::mutex g_helpMutex;

BOOL WINAPI recordHelp(HWND window, LPCSTR file, UINT command, ULONG_PTR data) {
  std::lock_guard<std::mutex> lock(g_helpMutex);
  g_helpCalls.push_back({window, file ? file : "", command, data});
  return TRUE;
}

bool waitForHelpCalls(size_t count) {
  const DWORD start = GetTickCount();
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(g_helpMutex);
      if (g_helpCalls.size() >= count) return true;
    }
    if (GetTickCount() - start > 5000) return false;
    Sleep(10);
  }
}

std::vector<std::string> tabTitles(HWND sheet) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  std::vector<std::string> titles;
  const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    titles.push_back(text);
  }
  return titles;
}

class SelectionSheetTest : public SheetFixture {
 protected:
  // Runs the sheet over record (and a second record when filterMode) while
  // drive works the open sheet; returns the export's result.
  short run(EffectSettings& record, bool filterMode, const std::function<void(HWND)>& drive) {
    return open(record, drive, filterMode);
  }

  static void press(HWND sheet, int button) { PostMessageA(sheet, PSM_PRESSBUTTON, button, 0); }
};

// Filter mode (a second record) adds the Filter page after Options; each
// of its five pages is captured.
TEST_F(SelectionSheetTest, PagesInOrderWithAndWithoutASecondRecord) {
  for (bool filterMode : {false, true}) {
    EffectSettings record;
    std::vector<std::string> titles;
    EXPECT_EQ(0, run(record, filterMode, [&](HWND sheet) {
                titles = tabTitles(sheet);
                for (size_t i = 0; filterMode && i < titles.size(); ++i) {
                  SendMessageA(sheet, PSM_SETCURSEL, i, 0);
                  const std::string name = "sheet_page_" + std::to_string(i + 1);
                  EXPECT_TRUE(captureWindow(sheet, screenshotPath(name.c_str()))) << name;
                }
                press(sheet, PSBTN_OK);
              }));
    std::vector<std::string> expected = {"   FX", "Options", "Objects", "Settings"};
    if (filterMode) expected.insert(expected.begin() + 2, "Filter Options");
    EXPECT_EQ(expected, titles);
  }
}

TEST_F(SelectionSheetTest, FilterStartCorrection) {
  struct Case {
    float frames;
    bool filterMode;
    float expectedFrames, expectedOn;
  };
  const Case cases[] = {{0.0f, true, 100.0f, 1.0f},
                        {NAN, true, 100.0f, 1.0f},
                        {35.0f, true, 35.0f, 0.0f},
                        {0.0f, false, 0.0f, 0.0f}};
  for (const Case& c : cases) {
    EffectSettings record;
    record.globalParams[VTA_FILTER_FRAMES] = c.frames;
    float seenFrames = -1.0f, seenOn = -1.0f;
    EXPECT_EQ(0, run(record, c.filterMode, [&](HWND sheet) {
                seenFrames = record.globalParams[VTA_FILTER_FRAMES];
                seenOn = record.globalParams[VTA_FILTER_ON];
                press(sheet, PSBTN_OK);
              }));
    EXPECT_EQ(c.expectedFrames, seenFrames) << "frames " << c.frames << " filter " << c.filterMode;
    EXPECT_EQ(c.expectedOn, seenOn) << "frames " << c.frames << " filter " << c.filterMode;
    EXPECT_EQ(c.expectedFrames, record.globalParams[VTA_FILTER_FRAMES]) << "kept after OK";
  }
}

TEST_F(SelectionSheetTest, CancelRestoresTheRecordAsItWasAtTheCall) {
  EffectSettings record, atCall;
  fillRecord(record);
  atCall.copyFrom(record);
  uint8_t fixedAtCall[964];
  std::memcpy(fixedAtCall, &record, sizeof fixedAtCall);

  EXPECT_EQ(1, run(record, false, [&](HWND sheet) {
              // Edits made while the sheet is open, as its pages make them.
              record.globalParams[VTA_ANTIALIASING] = 1.0f;
              std::strcpy(record.effectName, "Cube Spin");
              auto* surface =
                  static_cast<SurfaceComponent*>(record.description.lists[kSurfaces].head);
              std::strcpy(surface->mapFile, "other.avi");
              press(sheet, PSBTN_CANCEL);
            }));
  EXPECT_EQ(0, std::memcmp(fixedAtCall, &record, sizeof fixedAtCall));
  EXPECT_EQ(0, record.differs(atCall));
  auto* surface = static_cast<SurfaceComponent*>(record.description.lists[kSurfaces].head);
  ASSERT_NE(nullptr, surface);
  EXPECT_STREQ("clip.avi", surface->mapFile);
}

TEST_F(SelectionSheetTest, HelpButtonAndF1OpenTheHelpFile) {
  Installation installation("sheet_help");
  ASSERT_NE(nullptr, replaceImport(library_.module(), "user32.dll", "WinHelpA",
                                   reinterpret_cast<void*>(&recordHelp)));
  g_helpCalls.clear();
  EffectSettings record;
  HWND page = nullptr;
  run(record, false, [&](HWND sheet) {
    page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    press(sheet, PSBTN_HELP);
    EXPECT_TRUE(waitForHelpCalls(1)) << "the Help button";
    HWND icon = GetDlgItem(page, 1001);
    SendMessageA(sheet, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(icon), TRUE);
    typeKey(sheet, VK_F1);
    EXPECT_TRUE(waitForHelpCalls(2)) << "F1";
    press(sheet, PSBTN_CANCEL);
  });
  const std::string helpFile = installation.root() + "\\HELP\\VTASlct.HLP";
  ASSERT_GE(g_helpCalls.size(), 2u);
  EXPECT_EQ(page, g_helpCalls[0].window);
  EXPECT_EQ(helpFile, g_helpCalls[0].file);
  EXPECT_EQ(static_cast<UINT>(HELP_FINDER), g_helpCalls[0].command);

  EXPECT_EQ(helpFile, g_helpCalls[1].file);
  EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), g_helpCalls[1].command);
  const auto* table = reinterpret_cast<const DWORD*>(g_helpCalls[1].data);
  ASSERT_NE(nullptr, table);
  EXPECT_EQ(102u, table[0]);
  EXPECT_EQ(100u, table[1]);
  EXPECT_EQ(1001u, table[4]);
  EXPECT_EQ(102u, table[5]) << "icon buttons share one topic";
}

}  // namespace
}  // namespace vta::test
