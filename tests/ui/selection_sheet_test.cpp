// The selection sheet as a host sees it: its pages and their titles, the
// filter-mode start-up correction, OK and Cancel, and help.
#include <windows.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "dialog_controls.h"
#include "effects_page_ids.h"
#include "import_hook.h"
#include "installation.h"
#include "model/components/surface.h"
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
  return waitUntil([&] {
    std::lock_guard<std::mutex> lock(g_helpMutex);
    return g_helpCalls.size() >= count;
  });
}

using SelectionSheetTest = SheetFixture;

void press(HWND sheet, int button) { PostMessageA(sheet, PSM_PRESSBUTTON, button, 0); }

// Filter mode (a second record) adds the Filter page after Options; each
// of its five pages is captured.
TEST_F(SelectionSheetTest, PagesInOrderWithAndWithoutASecondRecord) {
  for (bool filterMode : {false, true}) {
    std::vector<std::string> expected = {"   FX", "Options", "Objects", "Settings"};
    if (filterMode) expected.insert(expected.begin() + 2, "Filter Options");
    EffectSettings record;
    EXPECT_EQ(0, open(record, filterMode, [&](HWND sheet) {
                EXPECT_EQ(expected, tabTitles(sheet));
                for (size_t i = 0; filterMode && i < expected.size(); ++i) {
                  SendMessageA(sheet, PSM_SETCURSEL, i, 0);
                  const std::string name = "sheet_page_" + std::to_string(i + 1);
                  EXPECT_TRUE(captureWindow(sheet, screenshotPath(name.c_str()))) << name;
                }
                press(sheet, PSBTN_OK);
              }));
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
    SCOPED_TRACE("frames " + std::to_string(c.frames) + (c.filterMode ? " filter" : ""));
    EffectSettings record;
    record.globalParams[VTA_FILTER_FRAMES] = c.frames;
    EXPECT_EQ(0, open(record, c.filterMode, [&](HWND sheet) {
                EXPECT_EQ(c.expectedFrames, record.globalParams[VTA_FILTER_FRAMES]);
                EXPECT_EQ(c.expectedOn, record.globalParams[VTA_FILTER_ON]);
                press(sheet, PSBTN_OK);
              }));
    EXPECT_EQ(c.expectedFrames, record.globalParams[VTA_FILTER_FRAMES]) << "kept after OK";
  }
}

TEST_F(SelectionSheetTest, CancelRestoresTheRecordAsItWasAtTheCall) {
  EffectSettings record;
  fillRecord(record);
  const KeptRecord atCall(record);

  EXPECT_EQ(1, open(record, false, [&](HWND sheet) {
              // Edits made while the sheet is open, as its pages make them.
              record.globalParams[VTA_ANTIALIASING] = 1.0f;
              std::strcpy(record.effectName, "Cube Spin");
              auto* surface =
                  static_cast<SurfaceComponent*>(record.description.lists[kSurfaces].head);
              std::strcpy(surface->mapFile, "other.avi");
              press(sheet, PSBTN_CANCEL);
            }));
  atCall.expectSame(record);  // the surface's map file too
}

TEST_F(SelectionSheetTest, HelpButtonAndF1OpenTheHelpFile) {
  Installation installation;
  ASSERT_NE(nullptr, replaceImport(library_.module(), "user32.dll", "WinHelpA",
                                   reinterpret_cast<void*>(&recordHelp)));
  g_helpCalls.clear();
  EffectSettings record;
  HWND page = nullptr;
  open(record, false, [&](HWND sheet) {
    page = currentPage(sheet);
    press(sheet, PSBTN_HELP);
    EXPECT_TRUE(waitForHelpCalls(1)) << "the Help button";
    HWND icon = GetDlgItem(page, IDC_EFFECTS_FIRST_ICON);
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
  EXPECT_EQ(static_cast<DWORD>(IDC_EFFECTS_FIRST_ICON), table[4]);
  EXPECT_EQ(102u, table[5]) << "icon buttons share one topic";
}

}  // namespace
}  // namespace vta::test
