// The Objects page beyond its value controls (page_controls_test.cpp): what
// is mapped onto an object (surface, file, frame offset), its morph envelope
// and path, and the object it shows when it opens.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "dialog_controls.h"
#include "effects_page_ids.h"
#include "envelope_editor_ids.h"
#include "installation.h"
#include "model/components/object.h"
#include "model/components/path.h"
#include "model/components/surface.h"
#include "model/effect_settings.h"
#include "objects_page_ids.h"
#include "pane_ids.h"
#include "pane_observers.h"
#include "path_editor_ids.h"
#include "registry_value.h"
#include "sheet_fixture.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kObjectsTab = 2;
constexpr int kTimeline = 0, kAvi = 1, kBmp = 2, kTga = 3;  // the sources in list order
constexpr int kFileNameBox = 0x47c;                         // the open dialog's file name box

class ObjectsPageTest : public SheetFixture {
 protected:
  void SetUp() override {
    SheetFixture::SetUp();
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

  SurfaceComponent* surface(uint16_t id) {
    return static_cast<SurfaceComponent*>(record_.description.lists[kSurfaces].findById(id));
  }

  Installation installation_{"objects_page"};
  RegistryValue reverse_{"Eff_Autoreverse"};
  ObjectComponent* morphing_ = nullptr;
  PathComponent* path_ = nullptr;
};

TEST_F(ObjectsPageTest, TheThirdObjectMapsSurfaceThree) {
  run(kObjectsTab, [&](HWND, HWND page) {
    EXPECT_EQ(3, SendDlgItemMessageA(page, IDC_OBJECTS_OBJECT_LIST, CB_GETCOUNT, 0, 0));
    choose(page, IDC_OBJECTS_OBJECT_LIST, 2);
    choose(page, IDC_OBJECTS_SOURCE_LIST, kBmp);
    SurfaceComponent* made = surface(3);
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(4, made->mappingKind);
    EXPECT_STREQ("", made->mapFile);
    EXPECT_EQ(0.0f, made->frameOffset);
    EXPECT_EQ(2, made->objectIndex);
    choose(page, IDC_OBJECTS_SOURCE_LIST, kTimeline);
    EXPECT_EQ(nullptr, surface(3));
  });
}

TEST_F(ObjectsPageTest, ANewSourceForgetsTheFileAndTheOffsetIsTheLeadingWholeNumber) {
  run(kObjectsTab, [&](HWND sheet, HWND page) {
    choose(page, IDC_OBJECTS_SOURCE_LIST, kAvi);
    ASSERT_NE(nullptr, surface(1));
    std::strcpy(surface(1)->mapFile, "C:\\clips\\sunset.avi");  // as "Select" maps it
    SetDlgItemTextA(page, IDC_OBJECTS_FRAME_OFFSET, "12");
    EXPECT_EQ(12.0f, surface(1)->frameOffset);
    captureWindow(sheet, screenshotPath("objects_page_mapped"));
    SetDlgItemTextA(page, IDC_OBJECTS_FRAME_OFFSET, " -7x");
    EXPECT_EQ(-7.0f, surface(1)->frameOffset);
    SetDlgItemTextA(page, IDC_OBJECTS_FRAME_OFFSET, "abc");
    EXPECT_EQ(0.0f, surface(1)->frameOffset);
    choose(page, IDC_OBJECTS_SOURCE_LIST, kTga);
    EXPECT_EQ(5, surface(1)->mappingKind);
    EXPECT_STREQ("", surface(1)->mapFile);
  });
}

TEST_F(ObjectsPageTest, ATextureMappingSurvivesEveryEditButAChosenSource) {
  auto* texture = makeComponent<SurfaceComponent>(1, 0.0f, 1.0f, 0, 0);
  texture->mappingKind = 2;
  std::strcpy(texture->mapFile, "wood");
  record_.description.lists[kSurfaces].append(texture);
  run(kObjectsTab, [&](HWND, HWND page) {
    EXPECT_EQ(kTimeline, comboSelection(page, IDC_OBJECTS_SOURCE_LIST));
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_PANE_RENDER, BN_CLICKED), 0);
    moveTrackbar(page, IDC_OBJECTS_LUMINOSITY, 30, false);
    ASSERT_NE(nullptr, surface(1));
    EXPECT_EQ(2, surface(1)->mappingKind);
    EXPECT_STREQ("wood", surface(1)->mapFile);
    choose(page, IDC_OBJECTS_SOURCE_LIST, kAvi);
    EXPECT_EQ(3, surface(1)->mappingKind) << "a source the user picks replaces it";
  });
}

TEST_F(ObjectsPageTest, AReversedTypeOneEffectShowsTheSecondObjectWithAutoReverse) {
  reverse_.setNumber(1);
  record_.globalParams[VTA_FLY_MODE] = 1;
  run(kObjectsTab,
      [&](HWND, HWND page) { EXPECT_EQ(1, comboSelection(page, IDC_OBJECTS_OBJECT_LIST)); });
}

TEST_F(ObjectsPageTest, TheMorphEnvelopeIsOfferedForAMorphingObjectOnly) {
  run(kObjectsTab, [&](HWND, HWND page) {
    ASSERT_TRUE(enabled(page, IDC_OBJECTS_MORPH_ENVELOPE));
    clickButton(page, IDC_OBJECTS_MORPH_ENVELOPE);
    HWND editor = waitForWindow("Object Morph Envelope");
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ("10", controlText(editor, IDC_ENVELOPE_TOP_VALUE))
        << "up to the object's morph frames";
    clickButton(editor, IDCANCEL);
    EXPECT_TRUE(waitForWindowGone(editor));
    choose(page, IDC_OBJECTS_OBJECT_LIST, 1);
    EXPECT_FALSE(enabled(page, IDC_OBJECTS_MORPH_ENVELOPE));
  });
  EXPECT_EQ(0u, record_.description.lists[kEnvelopes].count);
}

TEST_F(ObjectsPageTest, TheFileChosenInTheDialogIsMapped) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string clip = std::string(temp) + "vantaro_objects_clip.avi";
  std::ofstream(clip) << "RIFF";
  run(kObjectsTab, [&](HWND, HWND page) {
    choose(page, IDC_OBJECTS_SOURCE_LIST, kAvi);
    clickButton(page, IDC_OBJECTS_SELECT_FILE);
    HWND dialog = waitForWindow("Select video to map onto object");
    ASSERT_NE(nullptr, dialog);
    SetDlgItemTextA(dialog, kFileNameBox, clip.c_str());
    clickButton(dialog, IDOK);
    EXPECT_TRUE(waitForWindowGone(dialog));
    EXPECT_TRUE(waitUntil([&] { return surface(1) && clip == surface(1)->mapFile; }));
    EXPECT_EQ(clip, controlText(page, IDC_OBJECTS_FILE_NAME));
  });
  DeleteFileA(clip.c_str());
}

TEST_F(ObjectsPageTest, PathEditorEditsACopyOfTheObjectsPathInTheRecord) {
  run(kObjectsTab, [&](HWND, HWND page) {
    clickButton(page, IDC_OBJECTS_PATH_EDITOR);
    HWND editor = waitForWindow("Path Editor");
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ("Values at 0% * KEY *", controlText(editor, IDC_PATH_KEY_GROUP));
    EXPECT_EQ("1", controlText(editor, IDC_PATH_POSITION_X)) << "the effect's own first key";
    clickButton(editor, IDOK);
    EXPECT_TRUE(waitForWindowGone(editor));
  });
  ASSERT_EQ(1u, record_.description.lists[kPaths].count);
  EXPECT_EQ(5, record_.description.lists[kPaths].head->linkId);
}

TEST_F(ObjectsPageTest, AnotherEffectOnTheEffectsPageShowsItsFirstObject) {
  run(kObjectsTab, [&](HWND sheet, HWND page) {
    choose(page, IDC_OBJECTS_OBJECT_LIST, 2);
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    SendDlgItemMessageA(currentPage(sheet), IDC_EFFECTS_FIRST_ICON + 1, BM_CLICK, 0, 0);  // "Two"
    SendMessageA(sheet, PSM_SETCURSEL, kObjectsTab, 0);
    EXPECT_EQ(2, SendDlgItemMessageA(page, IDC_OBJECTS_OBJECT_LIST, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, comboSelection(page, IDC_OBJECTS_OBJECT_LIST));
  });
}

}  // namespace
}  // namespace vta::test
