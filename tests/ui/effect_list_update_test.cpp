// The effect-list update that runs once per process, at the library's first
// call: when it rebuilds, behind which window, and when it leaves the disk
// alone. Each case runs in a process of its own (see CMakeLists.txt), some
// under host names that must update silently.
#include <gtest/gtest.h>

#include "installation.h"
#include "library_under_test.h"
#include "platform/settings_store.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr char kProgressCaption[] = "Updating FX List, Please Wait...";

// A library of five effect files: two groups are offered, one holds only an
// effect that is not, and one master entry has no file at all.
class EffectListUpdate : public ::testing::Test {
 protected:
  EffectListUpdate() {
    installation_.addEffect({"wipe_left", "Wipe Left", true});
    installation_.addEffect({"wipe_right", "Wipe Right", true});
    installation_.addEffect({"spin", "Spin Around", true});
    installation_.addEffect({"secret", "Secret", false});
    installation_.addEffect({"not_listed", "Not Listed", true});
    installation_.writeMaster({{"Wipes", {"wipe_left", "missing", "wipe_right"}},
                               {"Hidden", {"secret"}},
                               {"Spins", {"spin"}}});
  }

  Installation installation_;
};
using SilentHostUpdate = EffectListUpdate;

const std::vector<Group> kRebuilt = {{"Wipes", {"Wipe Left", "Wipe Right"}},
                                     {"Spins", {"Spin Around"}}};

// Makes the library's first call (which runs the update; without a record no
// sheet follows) while watching for the progress window for up to watchMs;
// true when it appeared.
bool firstCall(DWORD watchMs, const char* captureName) {
  LibraryUnderTest library;
  EXPECT_TRUE(library.loaded());
  auto select = library.entry<VtaSelectFunction>("VTAGUI_Select");
  bool shown = false;
  runDriven<short>([&] { return select(nullptr, nullptr, nullptr); },
                   [&] {
                     HWND window = waitForWindow(kProgressCaption, watchMs);
                     if (!window) return;
                     shown = true;
                     captureWindow(window, screenshotPath(captureName));
                   });
  return shown;
}

TEST_F(EffectListUpdate, ChangedCountRebuildsBehindTheProgressWindow) {
  EXPECT_TRUE(firstCall(10000, "update_progress"));
  EXPECT_EQ(kRebuilt, installation_.readCurrent());
  EXPECT_EQ(5u, readRegistryDword("Effect_Count"));
}

// A host whose timer calls the library while the first call's update window
// is up: the inner call fails at once instead of waiting for the update that
// dispatched it, and the update window is owned by the host's window.
short g_innerResult = -1;
void CALLBACK callAboutFromTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  LibraryUnderTest library;
  g_innerResult = library.entry<VtaAboutFunction>("VTAGUI_About")(nullptr, nullptr, nullptr);
}

TEST_F(EffectListUpdate, AnExportCalledDuringTheUpdateReturnsAtOnce) {
  HWND host = CreateWindowA("STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                            nullptr, nullptr);
  LibraryUnderTest library;
  ASSERT_TRUE(library.loaded());
  auto select = library.entry<VtaSelectFunction>("VTAGUI_Select");
  HWND owner = nullptr;
  SetTimer(nullptr, 0, 1, callAboutFromTimer);
  EXPECT_EQ(VTA_RESULT_NO_DIALOG,
            runDriven<short>([&] { return select(host, nullptr, nullptr); },
                             [&] {
                               if (HWND window = waitForWindow(kProgressCaption, 10000)) {
                                 owner = GetWindow(window, GW_OWNER);
                               }
                             }));
  EXPECT_EQ(VTA_RESULT_NO_DIALOG, g_innerResult);
  EXPECT_EQ(host, owner);
  EXPECT_EQ(kRebuilt, installation_.readCurrent());
  DestroyWindow(host);
}

TEST_F(EffectListUpdate, UnchangedCountWithCurrentListReadsNoEffectFile) {
  installation_.writeCurrent({{"Kept", {"As It Was"}}});
  writeRegistryDword("Effect_Count", 5);
  // Were any effect file read, the rebuilt list would lose these effects.
  for (const char* name : {"wipe_left", "spin"})
    installation_.write("Effects\\" + std::string(name) + ".VTA", "not an effect");
  const std::string before = installation_.read(kCurrentList);

  EXPECT_FALSE(firstCall(1500, "update_unexpected"));
  EXPECT_EQ(before, installation_.read(kCurrentList));
}

// Runs only from copies of this program named like the silent host.
TEST_F(SilentHostUpdate, RebuildsWithoutAWindow) {
  EXPECT_FALSE(firstCall(1500, "update_silent_unexpected"));
  EXPECT_EQ(kRebuilt, installation_.readCurrent());
  EXPECT_EQ(5u, readRegistryDword("Effect_Count"));
}

}  // namespace
}  // namespace vta::test
