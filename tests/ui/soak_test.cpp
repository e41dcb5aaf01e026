// The selection sheet opened and closed many times in one process, as a host
// that stays open for hours uses it, with the preview rendering through
// Rnd_Software all along: effects switched, the envelope and path editors
// cancelled in the middle of a drag, and preview settings changed while
// renders run. After the cycles the process holds no more handles, GDI and
// USER objects and private bytes than after the warm-up, within small bounds;
// a step that makes no progress ends the run as a hang.
//
// VTA_SOAK_CYCLES sets the number of cycles (see kDefaultCycles).
#include <windows.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "effects_page_ids.h"
#include "import_hook.h"
#include "installation.h"
#include "envelope_editor_ids.h"
#include "library_under_test.h"
#include "model/components/object.h"
#include "model/components/path.h"
#include "model/effect_settings.h"
#include "model/files/effect_file.h"
#include "objects_page_ids.h"
#include "options_page_ids.h"
#include "pane_ids.h"
#include "pane_observers.h"
#include "path_editor_ids.h"
#include "process_figures.h"
#include "ui/pane/preview_pane.h"
#include "registry_value.h"
#include "settings_page_ids.h"
#include "window_driver.h"

namespace vta::test {
namespace {

// Sized so that the run of the test command takes well under a minute and
// a half under Wine (about 0.6 s a cycle here); VTA_SOAK_CYCLES=200 is the
// long run by hand.
constexpr int kDefaultCycles = 50;
// The first cycles fill what the system and the library create once and
// keep (Wine's font and class caches, the renderer module's first load):
// the figures are taken after them.
constexpr int kWarmUpCycles = 3;

// Growth allowed from the warm-up to the end. Each is below what one object
// kept per cycle adds up to over the 47 cycles the test command measures.
// Handles: one may be of a thread still being torn down. Private bytes grow
// steadily under Wine, by about 20 KB a cycle on x86_64 and 35 to 47 KB on
// i686 (1.7 to 2.3 MB over the 47 cycles), in Wine's own memory: the
// library's and the renderer's allocations balance over the same cycles
// (counted through their import tables). The bound lets that pass and still
// fails a renderer module that keeps its runtime's 73 KB reserve at each of
// its unloads (two or three a cycle: 10 MB over the 47 cycles).
constexpr int64_t kHandleBound = 20;
constexpr int64_t kGdiBound = 20;
constexpr int64_t kUserBound = 10;
constexpr int64_t kPrivateBytesBound = 4 << 20;

// Longest wait for one condition of the sheet; a step that makes no
// progress for kHangMs (well beyond every wait) ends the run as a hang.
constexpr DWORD kWaitMs = 10000;
constexpr DWORD kHangMs = 60000;

constexpr char kEnvelopeCaption[] = "Shadows Envelope";
constexpr char kPathCaption[] = "Path Editor";
constexpr int kEffectsTab = 0, kOptionsTab = 1, kObjectsTab = 2, kSettingsTab = 3;
// Sample effects the soak's installation is made of (one group, in this
// order). Each cycle starts on the first and switches to one of the others.
const std::vector<std::string> kEffects = {"Door Swing Open", "Spin Away", "Double Doors",
                                           "Flip Over"};
// Preview settings the cycles alternate between, starting from the second
// of each: every cycle changes quality and frames, and so makes the Settings
// page replace the preview engine during a render.
constexpr int kPreviewFrames[] = {100, 150};
constexpr int kPreviewSpeeds[] = {10, 20};
constexpr int kQualities[] = {IDC_SETTINGS_PREVIEW_MEDIUM, IDC_SETTINGS_PREVIEW_HIGH};
constexpr DWORD kHighQuality = 2;

int soakCycles() {
  const char* text = std::getenv("VTA_SOAK_CYCLES");
  const int cycles = text ? std::atoi(text) : 0;
  return cycles > 0 ? cycles : kDefaultCycles;
}

// Ends the process as failed when no step has begun for kHangMs: a hung
// sheet never returns from VTAGUI_Select, so no assertion could report it.
class Watchdog {
 public:
  Watchdog() : thread_([this] { watch(); }) {}
  ~Watchdog() {
    done_ = true;
    thread_.join();
  }

  void step(int cycle, const char* name) {
    cycle_ = cycle;
    name_ = name;
    since_ = GetTickCount();
  }

 private:
  void watch() {
    while (!done_) {
      if (GetTickCount() - since_ > kHangMs) {
        std::printf("HANG: cycle %d, no progress for %lu s after \"%s\"\n", cycle_.load(),
                    kHangMs / 1000, name_.load());
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 3);
      }
      Sleep(100);
    }
  }

  std::atomic<bool> done_{false};
  std::atomic<int> cycle_{0};
  std::atomic<const char*> name_{"start"};
  std::atomic<DWORD> since_{GetTickCount()};
  std::thread thread_;
};

// The preview worker reports each render's start and its end to the pane
// (an engine replaced during a render reports no end). Counting the reports
// the library posts tells renders apart however short they are: Rnd_Software
// renders a preview in a few tens of milliseconds.
std::atomic<int> g_renderReports{0};
decltype(&PostMessageA) g_realPostMessage = &PostMessageA;

BOOL WINAPI countRenderReports(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPaneStateMessage) ++g_renderReports;
  return g_realPostMessage(window, message, wParam, lParam);
}

// One open-work-close cycle of the sheet, driven from the driver thread
// while the UI thread runs VTAGUI_Select. The first failure is kept; the
// sheet is then cancelled so that the call returns.
class SheetCycle {
 public:
  SheetCycle(int cycle, DWORD uiThread, Watchdog& watchdog)
      : cycle_(cycle), uiThread_(uiThread), watchdog_(watchdog) {}

  void drive() {
    step("sheet opens");
    sheet_ = waitForWindow(kSheetCaption, kWaitMs);
    if (!check(sheet_ != nullptr, "the selection sheet did not appear")) return;
    const bool worked =
        switchEffect() &&
        cancelMidDrag(kOptionsTab, IDC_OPTIONS_SHADOWS_ENVELOPE, kEnvelopeCaption,
                      IDC_ENVELOPE_GRAPH) &&
        cancelMidDrag(kObjectsTab, IDC_OBJECTS_PATH_EDITOR, kPathCaption, IDC_PATH_VIEW) &&
        changePreviewSettings();
    close(worked && cycle_ % 2 == 0 ? PSBTN_OK : PSBTN_CANCEL);
  }

  bool closedWithOk() const { return closedWithOk_; }
  const std::string& failure() const { return failure_; }

 private:
  void step(const char* name) { watchdog_.step(cycle_, name); }

  // The first failure is kept with a capture of the sheet as it was then.
  bool check(bool condition, const char* what) {
    if (condition || !failure_.empty()) return condition;
    failure_ = what;
    if (sheet_) captureWindow(sheet_, screenshotPath("soak_failure"));
    return false;
  }

  // Starts a render with the Render button once the pane is idle, waits
  // until it has begun and returns the render reports before it.
  int startRender(HWND page) {
    check(waitUntil([&] { return controlText(page, IDC_PANE_RENDER) == "Render"; }, kWaitMs),
          "a preview render never ended");
    const int before = g_renderReports;
    sendClick(page, IDC_PANE_RENDER);
    check(waitUntil([&] { return g_renderReports > before; }, kWaitMs),
          "the Render button started no render");
    return before;
  }

  // After an edit made while the render from startRender ran: that render
  // began (and ended, unless its engine was replaced), and the automatic
  // preview began and ended a new one.
  bool renderedAgain(int before) {
    return check(waitUntil([&] { return g_renderReports >= before + 3; }, kWaitMs),
                 "the automatic preview did not render again after the edit");
  }

  // The automatic preview renders the newly chosen effect.
  bool switchEffect() {
    step("effect switched during a render");
    HWND page = showPage(sheet_, kEffectsTab);
    const int before = startRender(page);
    const int slot = 1 + cycle_ % static_cast<int>(kEffects.size() - 1);
    SendMessageA(GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + slot), BM_CLICK, 0, 0);
    return renderedAgain(before);
  }

  bool holdsCapture(HWND window) const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(uiThread_, &info) && info.hwndCapture == window;
  }

  // Opens the editor captioned caption with button of page tab, starts a
  // drag in the middle of its control area and cancels the editor: by Escape
  // in even cycles, by the Cancel button in odd ones.
  bool cancelMidDrag(int tab, int button, const char* caption, int area) {
    step(caption);
    clickButton(showPage(sheet_, tab), button);
    HWND editor = waitForWindow(caption, kWaitMs);
    if (!check(editor != nullptr, "an editor did not appear")) return false;
    RECT r;
    GetWindowRect(GetDlgItem(editor, area), &r);
    MapWindowPoints(nullptr, editor, reinterpret_cast<POINT*>(&r), 2);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    SendMessageA(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(editor, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y - 20));
    // Without a drag the editor is still cancelled, so that the sheet can close.
    const bool dragged = check(holdsCapture(editor), "the editor did not start a drag");
    if (cycle_ % 2 == 0) {
      pressKey(editor, VK_ESCAPE);
    } else {
      clickButton(editor, IDCANCEL);
    }
    return check(waitForWindowGone(editor, kWaitMs), "the editor did not close on Cancel") &&
           dragged;
  }

  // Quality, frames and playback speed, each changed while a render runs;
  // the automatic preview renders again with the new settings.
  bool changePreviewSettings() {
    step("preview settings changed during renders");
    HWND page = showPage(sheet_, kSettingsTab);
    const int before = startRender(page);
    SendMessageA(GetDlgItem(page, kQualities[cycle_ % std::size(kQualities)]), BM_CLICK, 0, 0);
    moveTrackbar(page, IDC_SETTINGS_PREVIEW_FRAMES, kPreviewFrames[cycle_ % 2]);
    moveTrackbar(page, IDC_SETTINGS_PREVIEW_SPEED, kPreviewSpeeds[cycle_ % 2]);
    return renderedAgain(before);
  }

  void close(int button) {
    step(button == PSBTN_OK ? "sheet closed with OK" : "sheet closed with Cancel");
    closedWithOk_ = button == PSBTN_OK;
    PostMessageA(sheet_, PSM_PRESSBUTTON, button, 0);
    check(waitForWindowGone(sheet_, kWaitMs), "the sheet did not close");
  }

  int cycle_;
  DWORD uiThread_;
  Watchdog& watchdog_;
  HWND sheet_ = nullptr;
  bool closedWithOk_ = false;
  std::string failure_;
};

// The soak's installation, made from the registered sample installation:
// its renderer (LIBS\Rnd_Software.DLL), its preview pictures (Textures) and
// the effects named, in one group "Soak" in this order, each given one more
// undrawn object on entry 0 with a path across the frame, for the Objects
// page's path editor (the sample objects keep their grid's rows in the
// object word that the page requires to be 0 before it opens the editor).
// Registered in place of the sample until destroyed; null when the sample
// lacks the renderer or an effect.
std::unique_ptr<Installation> soakInstallation(const std::vector<std::string>& names) {
  const std::string sample = RegistryValue("Path").text();
  std::vector<std::unique_ptr<EffectDescription>> effects;
  bool complete = true;
  for (const std::string& name : names) {
    effects.push_back(std::make_unique<EffectDescription>());
    complete = complete && loadDescription(*effects.back(), name.c_str(), 0) == 1;
  }
  auto installation = std::make_unique<Installation>();
  const std::string root = installation->root();
  std::filesystem::create_directories(root + "\\LIBS");
  complete = complete && CopyFileA((sample + "\\LIBS\\Rnd_Software.DLL").c_str(),
                                   (root + "\\LIBS\\Rnd_Software.DLL").c_str(), FALSE);
  std::error_code copied;
  std::filesystem::copy(sample + "\\Textures", root + "\\Textures", copied);
  for (size_t i = 0; i < effects.size(); ++i) {
    auto* object = makeComponent<ObjectComponent>(900, 0.0f, 1.0f, 0, 0);
    object->surfaceNumber = 1;
    effects[i]->lists[kObjects].append(object);
    auto* path = makeComponent<PathComponent>(901, 0.0f, 1.0f, 900, 0);
    path->insertKey(PathKey{0.0f, -1, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0});
    path->insertKey(PathKey{1.0f, 1, 0, 0, 0, 0, 90, 1, 1, 1, 0, 0, 0, 0, 0});
    effects[i]->lists[kPaths].append(path);
    const std::string file = root + "\\Effects\\" + names[i] + ".VTA";
    complete = complete && saveEffectFile(*effects[i], file.c_str()) == 1;
  }
  installation->writeMaster({{"Soak", names}});
  installation->writeCurrent({{"Soak", names}});
  return complete ? std::move(installation) : nullptr;
}

// Prints a figure after the warm-up and at the end, and expects it to have
// grown by bound at most.
void expectFigure(const char* name, int64_t before, int64_t after, int64_t bound) {
  std::printf("  %-14s %12lld %12lld %+10lld  (bound %+lld)\n", name,
              static_cast<long long>(before), static_cast<long long>(after),
              static_cast<long long>(after - before), static_cast<long long>(bound));
  EXPECT_LE(after - before, bound) << name;
}

TEST(SheetSoak, FiguresComeBackAfterCyclesOfRendersSwitchesAndCancelledDrags) {
  const std::unique_ptr<Installation> installation = soakInstallation(kEffects);
  ASSERT_NE(nullptr, installation)
      << "the registered installation lacks Rnd_Software or a sample effect (scripts/lib/common.sh "
         "register_sample_install)";
  LibraryUnderTest library;
  ASSERT_TRUE(library.loaded());
  auto select = library.entry<VtaSelectFunction>("VTAGUI_Select");
  ASSERT_NE(nullptr, select);
  ASSERT_TRUE(replaceImport(library.module(), "user32.dll", "PostMessageA",
                            reinterpret_cast<void*>(&countRenderReports)));
  // The sample installation's preview engine with the automatic preview on.
  RegistryValue engine("Prev_Engine"), automatic("Prev_Render"), frames("Prev_Frames"),
      quality("Prev_Quality"), speed("Prev_Speed");
  engine.setText("Rnd_Software");
  automatic.setNumber(1);
  frames.setNumber(kPreviewFrames[1]);
  quality.setNumber(kHighQuality);
  speed.setNumber(kPreviewSpeeds[0]);
  const int cycles = soakCycles();
  ASSERT_GT(cycles, kWarmUpCycles);

  Watchdog watchdog;
  ProcessFigures before;
  int cursorBefore = 0;
  const DWORD start = GetTickCount();
  for (int cycle = 0; cycle < cycles; ++cycle) {
    if (cycle == kWarmUpCycles) {
      before = readProcessFigures();
      cursorBefore = cursorDisplayCount();
    }
    EffectSettings record;  // new each time: the sheet starts on the first effect
    SheetCycle sheet(cycle, GetCurrentThreadId(), watchdog);
    const short result = runDriven<short>(
        [&] { return select(nullptr, reinterpret_cast<VtaEffectSettings*>(&record), nullptr); },
        [&] { sheet.drive(); });
    ASSERT_EQ("", sheet.failure()) << "cycle " << cycle;
    ASSERT_EQ(sheet.closedWithOk() ? VTA_RESULT_OK : VTA_RESULT_CANCEL, result)
        << "cycle " << cycle;
  }
  const ProcessFigures after = readProcessFigures();
  const int cursorAfter = cursorDisplayCount();

  std::printf("Soak: %d cycles in %lu s; figures after cycle %d and at the end:\n", cycles,
              (GetTickCount() - start) / 1000, kWarmUpCycles);
  std::printf("  (%s)\n", after.sources.c_str());
  expectFigure("handles", before.handles, after.handles, kHandleBound);
  expectFigure("GDI objects", before.gdiObjects, after.gdiObjects, kGdiBound);
  expectFigure("USER objects", before.userObjects, after.userObjects, kUserBound);
  expectFigure("private bytes", before.privateBytes, after.privateBytes, kPrivateBytesBound);
  std::printf("  cursor count %d, then %d\n", cursorBefore, cursorAfter);
  std::fflush(stdout);
  EXPECT_EQ(cursorBefore, cursorAfter) << "the cursor is left hidden (or shown) by the editors";
}

}  // namespace
}  // namespace vta::test
