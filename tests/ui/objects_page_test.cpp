// The Objects page as a user works it: one object of the effect at a time,
// its values, what is mapped onto it (surface, file, frame offset), its
// envelopes and morph envelope, and the object it shows when it opens.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "installation.h"
#include "library_under_test.h"
#include "model/components/object.h"
#include "model/components/path.h"
#include "model/components/surface.h"
#include "model/effect_settings.h"
#include "pane_observers.h"
#include "registry_value.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kObjectsTab = 2;
constexpr int kObjectList = 1300, kSourceList = 1309, kSelect = 1131, kFileName = 1134;
constexpr int kOffset = 1135, kLuminosity = 1301, kMorph = 1130, kRender = 1078;
constexpr int kTimeline = 0, kAvi = 1, kBmp = 2, kTga = 3;
constexpr int kFileNameBox = 0x47c;  // the open dialog's file name box

// Picks item index of a list as the user does; returns once the page handled it.
void choose(HWND page, int list, int index) {
  HWND combo = GetDlgItem(page, list);
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

int selected(HWND page, int list) {
  return static_cast<int>(SendDlgItemMessageA(page, list, CB_GETCURSEL, 0, 0));
}

class ObjectsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(library_.loaded());
    reverse_.remove();
    morphing_ = makeComponent<ObjectComponent>(5, 0.0f, 1.0f, 0, 0);
    morphing_->surfaceNumber = 1;
    morphing_->morphFrames = 10;
    path_ = makeComponent<PathComponent>(6, 0.0f, 1.0f, 5, 0);
    path_->insertKey(PathKey{0.0f, 1, 2, 3, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0});
    path_->insertKey(PathKey{1.0f, 4, 5, 6, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0});
    installation_.addEffect(
        {"Three", "Three", true, 0x2050A0, "", 1, {"Left", "Middle", "Right"}, {morphing_, path_}});
    installation_.addEffect({"Two", "Two", true, 0xA05020, "", 0, {"Front", "Back"}});
    installation_.writeMaster({{"Tests", {"Three", "Two"}}});
    installation_.writeCurrent({{"Tests", {"Three", "Two"}}});
    std::strcpy(record_.effectName, "Three");
  }
  void TearDown() override {
    morphing_->destroy(true);
    path_->destroy(true);
  }

  void run(const std::function<void(HWND sheet, HWND page)>& drive) {
    ASSERT_TRUE(runSheetOnPage(library_, reinterpret_cast<VtaEffectSettings&>(record_), nullptr,
                               kObjectsTab, drive))
        << "the selection sheet did not appear";
  }

  SurfaceComponent* surface(uint16_t id) {
    return static_cast<SurfaceComponent*>(record_.description.lists[kSurfaces].findById(id));
  }

  LibraryUnderTest library_;
  Installation installation_{"objects_page"};
  RegistryValue reverse_{"Eff_Autoreverse"};
  ObjectComponent* morphing_ = nullptr;
  PathComponent* path_ = nullptr;
  EffectSettings record_;
};

TEST_F(ObjectsPageTest, TheThirdObjectEditsEntryTwoAndSurfaceThree) {
  run([&](HWND, HWND page) {
    EXPECT_EQ(3, SendDlgItemMessageA(page, kObjectList, CB_GETCOUNT, 0, 0));
    choose(page, kObjectList, 2);
    moveTrackbar(page, kLuminosity, 40, true);
    EXPECT_EQ("40%", controlText(page, kLuminosity + 1));
    EXPECT_EQ(0.0f, record_.objectParams[2][VTA_LUMINOSITY]) << "a drag moves only the label";
    moveTrackbar(page, kLuminosity, 40, false);
    EXPECT_EQ(40.0f, record_.objectParams[2][VTA_LUMINOSITY]);
    EXPECT_EQ(0.0f, record_.objectParams[0][VTA_LUMINOSITY]);
    choose(page, kSourceList, kBmp);
    SurfaceComponent* made = surface(3);
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(4, made->mappingKind);
    EXPECT_STREQ("", made->mapFile);
    EXPECT_EQ(0.0f, made->frameOffset);
    EXPECT_EQ(2, made->objectIndex);
    choose(page, kSourceList, kTimeline);
    EXPECT_EQ(nullptr, surface(3));
  });
}

TEST_F(ObjectsPageTest, ANewSourceForgetsTheFileAndTheOffsetIsTheLeadingWholeNumber) {
  run([&](HWND sheet, HWND page) {
    choose(page, kSourceList, kAvi);
    ASSERT_NE(nullptr, surface(1));
    std::strcpy(surface(1)->mapFile, "C:\\clips\\sunset.avi");  // as "Select" maps it
    SetDlgItemTextA(page, kOffset, "12");
    EXPECT_EQ(12.0f, surface(1)->frameOffset);
    captureWindow(sheet, screenshotPath("objects_page_mapped"));
    SetDlgItemTextA(page, kOffset, " -7x");
    EXPECT_EQ(-7.0f, surface(1)->frameOffset);
    SetDlgItemTextA(page, kOffset, "abc");
    EXPECT_EQ(0.0f, surface(1)->frameOffset);
    choose(page, kSourceList, kTga);
    EXPECT_EQ(5, surface(1)->mappingKind);
    EXPECT_STREQ("", surface(1)->mapFile);
  });
}

TEST_F(ObjectsPageTest, ATextureMappingSurvivesEveryEditButAChosenSource) {
  auto* texture = makeComponent<SurfaceComponent>(1, 0.0f, 1.0f, 0, 0);
  texture->mappingKind = 2;
  std::strcpy(texture->mapFile, "wood");
  record_.description.lists[kSurfaces].append(texture);
  run([&](HWND, HWND page) {
    EXPECT_EQ(kTimeline, selected(page, kSourceList));
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(kRender, BN_CLICKED), 0);
    moveTrackbar(page, kLuminosity, 30, false);
    ASSERT_NE(nullptr, surface(1));
    EXPECT_EQ(2, surface(1)->mappingKind);
    EXPECT_STREQ("wood", surface(1)->mapFile);
    choose(page, kSourceList, kAvi);
    EXPECT_EQ(3, surface(1)->mappingKind) << "a source the user picks replaces it";
  });
}

TEST_F(ObjectsPageTest, AReversedTypeOneEffectShowsTheSecondObjectWithAutoReverse) {
  reverse_.setNumber(1);
  record_.globalParams[VTA_FLY_MODE] = 1;
  run([&](HWND, HWND page) { EXPECT_EQ(1, selected(page, kObjectList)); });
}

TEST_F(ObjectsPageTest, TheMorphEnvelopeIsOfferedForAMorphingObjectOnly) {
  run([&](HWND, HWND page) {
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(page, kMorph)));
    clickButton(page, kMorph);
    HWND editor = waitForWindow("Object Morph Envelope");
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ("10", controlText(editor, 1100)) << "up to the object's morph frames";
    clickButton(editor, IDCANCEL);
    EXPECT_TRUE(waitForWindowGone(editor));
    choose(page, kObjectList, 1);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, kMorph)));
  });
  EXPECT_EQ(0u, record_.description.lists[kEnvelopes].count);
}

TEST_F(ObjectsPageTest, TheFileChosenInTheDialogIsMapped) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string clip = std::string(temp) + "vantaro_objects_clip.avi";
  std::ofstream(clip) << "RIFF";
  run([&](HWND, HWND page) {
    choose(page, kSourceList, kAvi);
    clickButton(page, kSelect);
    HWND dialog = waitForWindow("Select video to map onto object");
    ASSERT_NE(nullptr, dialog);
    SetDlgItemTextA(dialog, kFileNameBox, clip.c_str());
    clickButton(dialog, IDOK);
    EXPECT_TRUE(waitForWindowGone(dialog));
    EXPECT_TRUE(waitUntil([&] { return surface(1) && clip == surface(1)->mapFile; }));
    EXPECT_EQ(clip, controlText(page, kFileName));
  });
  DeleteFileA(clip.c_str());
}

TEST_F(ObjectsPageTest, PathEditorEditsACopyOfTheObjectsPathInTheRecord) {
  run([&](HWND, HWND page) {
    clickButton(page, 1129);
    HWND editor = waitForWindow("Path Editor");
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ("Values at 0% * KEY *", controlText(editor, 1091));
    EXPECT_EQ("1", controlText(editor, 1094)) << "the effect's own first key";
    clickButton(editor, IDOK);
    EXPECT_TRUE(waitForWindowGone(editor));
  });
  ASSERT_EQ(1u, record_.description.lists[kPaths].count);
  EXPECT_EQ(5, record_.description.lists[kPaths].head->linkId);
}

TEST_F(ObjectsPageTest, AnotherEffectOnTheEffectsPageShowsItsFirstObject) {
  run([&](HWND sheet, HWND page) {
    choose(page, kObjectList, 2);
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    SendMessageA(GetDlgItem(currentPage(sheet), 1002), BM_CLICK, 0, 0);  // "Two"
    SendMessageA(sheet, PSM_SETCURSEL, kObjectsTab, 0);
    EXPECT_EQ(2, SendDlgItemMessageA(page, kObjectList, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, selected(page, kObjectList));
  });
}

}  // namespace
}  // namespace vta::test
