// The Settings page beyond its value controls (page_controls_test.cpp): what
// it shows of the stored preferences, the engine lists and the
// multithreading rule, when a chosen engine is stored, the pane's speed as
// the stored speed, and saving the current options as defaults.
#include <windows.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "dialog_controls.h"
#include "installation.h"
#include "pane_ids.h"
#include "registry_value.h"
#include "settings_page_ids.h"
#include "sheet_fixture.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kSettingsTab = 3;

class SettingsPageTest : public SheetFixture {
 protected:
  void SetUp() override {
    SheetFixture::SetUp();
    for (auto& value : values_) value->remove();
  }

  RegistryValue display_{"Eff_Display"}, reverse_{"Eff_Autoreverse"}, org_{"OrgFile"},
      quality_{"Prev_Quality"}, previewEngine_{"Prev_Engine"}, frames_{"Prev_Frames"},
      automatic_{"Prev_Render"}, speed_{"Prev_Speed"}, engine_{"Engine"}, logging_{"Rnd_Logging"},
      multithreaded_{"Rnd_Multi"};
  std::vector<RegistryValue*> values_ = {&display_,       &reverse_, &org_,          &quality_,
                                         &previewEngine_, &frames_,  &automatic_,    &speed_,
                                         &engine_,        &logging_, &multithreaded_};
};

TEST_F(SettingsPageTest, NothingStoredShowsFirstChoicesAndLeastValues) {
  Installation installation;
  // Files that are no renderers under renderers' names: listed, never bound.
  for (const char* file : {"Rnd_Accelerated.DLL", "Rnd_OpenGL.dll", "Rnd_Other.DLL", "Notes.DLL"})
    installation.write("LIBS\\" + std::string(file), "not a module");
  run(kSettingsTab, [&](HWND sheet, HWND page) {
    EXPECT_TRUE(checked(page, IDC_SETTINGS_SHOW_ICON));
    EXPECT_TRUE(checked(page, IDC_SETTINGS_PREVIEW_LOW));
    EXPECT_TRUE(checked(page, IDC_SETTINGS_LOGGING_OFF));
    for (int box :
         {IDC_SETTINGS_AUTO_REVERSE, IDC_SETTINGS_AUTO_PREVIEW, IDC_SETTINGS_MULTITHREADED})
      EXPECT_FALSE(checked(page, box)) << box;
    EXPECT_EQ(1, slider(page, IDC_SETTINGS_PREVIEW_FRAMES));
    EXPECT_EQ(1, slider(page, IDC_SETTINGS_PREVIEW_SPEED));
    EXPECT_EQ("1", controlText(page, IDC_SETTINGS_PREVIEW_FRAMES_VALUE));
    EXPECT_FALSE(enabled(page, IDC_SETTINGS_MULTITHREADED));
    const auto listed = [&](int list) {
      const std::vector<std::string> items = comboItems(page, list);
      return std::set<std::string>(items.begin(), items.end());
    };
    EXPECT_EQ((std::set<std::string>{"Rnd_Accelerated", "Rnd_OpenGL", "Rnd_Other"}),
              listed(IDC_SETTINGS_RENDER_ENGINE));
    EXPECT_EQ((std::set<std::string>{"Rnd_OpenGL", "Rnd_Other"}),
              listed(IDC_SETTINGS_PREVIEW_ENGINE))
        << "no accelerated preview";
    captureWindow(sheet, screenshotPath("settings_page_nothing_stored"));
  });
}

// A chosen engine is stored at the next click on the page, when the page is
// left or on OK, never at once; only "Rnd_OpenGL" keeps multithreading.
TEST_F(SettingsPageTest, AnEngineChoiceIsStoredLaterAndOnlyOpenGLKeepsMultithreading) {
  Installation installation;
  for (const char* file : {"Rnd_Accelerated.DLL", "Rnd_OpenGL.DLL"})
    installation.write("LIBS\\" + std::string(file), "not a module");
  enum Then { kClick, kLeavePage, kOk };
  for (Then then : {kClick, kLeavePage, kOk}) {
    SCOPED_TRACE(then);
    engine_.setText("Rnd_OpenGL");
    multithreaded_.setNumber(1);
    run(kSettingsTab, [&](HWND sheet, HWND page) {
      EXPECT_TRUE(checked(page, IDC_SETTINGS_MULTITHREADED));
      EXPECT_TRUE(enabled(page, IDC_SETTINGS_MULTITHREADED));
      if (then == kClick) captureWindow(sheet, screenshotPath("settings_page_stored"));
      choose(page, IDC_SETTINGS_RENDER_ENGINE, "Rnd_Accelerated");
      EXPECT_EQ("Rnd_OpenGL", engine_.text()) << "the choice alone writes nothing";
      EXPECT_EQ(1u, multithreaded_.number());
      if (then == kLeavePage) SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
      if (then != kClick) return;
      clickButton(page, IDC_SETTINGS_AUTO_REVERSE);
      EXPECT_TRUE(waitUntil([&] { return engine_.text() == "Rnd_Accelerated"; }));
      EXPECT_FALSE(checked(page, IDC_SETTINGS_MULTITHREADED));
      EXPECT_FALSE(enabled(page, IDC_SETTINGS_MULTITHREADED));
    });
    EXPECT_EQ("Rnd_Accelerated", engine_.text());
    EXPECT_EQ(0u, multithreaded_.number());
  }
}

// The pane's speed is the one speed: the Settings page shows it and stores
// it; a stored text too long for its field is written back unchanged.
TEST_F(SettingsPageTest, ThePanesSpeedIsTheSettingsSpeedAndALongTextIsKept) {
  Installation installation;
  const std::string longName(60, 'g');
  org_.setText(longName.c_str());
  run(0, [&](HWND sheet, HWND page) {
    moveTrackbar(page, IDC_PANE_SPEED, 25);
    HWND settings = showPage(sheet, kSettingsTab);
    EXPECT_EQ(25, slider(settings, IDC_SETTINGS_PREVIEW_SPEED));
    clickButton(settings, IDC_SETTINGS_AUTO_PREVIEW);
  });
  EXPECT_EQ(25u, speed_.number());
  EXPECT_EQ(longName, org_.text());
}

TEST_F(SettingsPageTest, SavedDefaultsComeBackInARecordWithoutAnEffect) {
  Installation installation;
  CreateDirectoryA((installation.root() + "\\Work").c_str(), nullptr);
  EffectSettings saved;
  fillRecord(saved);
  run(saved, kSettingsTab, false, [&](HWND, HWND page) {
    clickButton(page, IDC_SETTINGS_SAVE_DEFAULTS);
    EXPECT_TRUE(waitUntil([&] {
      return GetFileAttributesA((installation.root() + "\\Work\\Defaults.VRI").c_str()) !=
             INVALID_FILE_ATTRIBUTES;
    }));
  });
  EffectSettings empty;
  run(empty, kSettingsTab, false, [](HWND, HWND) {});
  EXPECT_EQ('\0', empty.effectName[0]);
  EXPECT_EQ(0, std::memcmp(reinterpret_cast<const char*>(&saved) + 1,
                           reinterpret_cast<const char*>(&empty) + 1, kStoredFixedBytes - 1));
  ASSERT_EQ(1u, empty.description.lists[kSurfaces].count);
  EXPECT_EQ(
      0, empty.description.lists[kSurfaces].head->compare(saved.description.lists[kSurfaces].head));
}

bool showsStopIcon(HWND box) {
  const auto stop = reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_HAND));
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (SendMessageA(child, STM_GETICON, 0, 0) == stop) return true;
  }
  return false;
}

TEST_F(SettingsPageTest, AFailedSaveSaysWhyWithAStopIconAndKeepsNothingHalfWritten) {
  Installation installation;
  installation.write("Work", "a file where the folder should be");
  run(kSettingsTab, [&](HWND, HWND page) {
    clickButton(page, IDC_SETTINGS_SAVE_DEFAULTS);
    HWND box = waitForWindow("Could not save defaults");
    ASSERT_NE(nullptr, box);
    EXPECT_TRUE(showsStopIcon(box));
    captureWindow(box, screenshotPath("settings_defaults_failed"));
    EXPECT_EQ("Could not create defaults file.", answerMessageBox("Could not save defaults"));
    EXPECT_FALSE(IsWindow(box));
  });
}

}  // namespace
}  // namespace vta::test
