// The Objects page beyond its value controls (page_controls_test.cpp): what
// is mapped onto an object (surface, file, frame offset), its morph envelope
// and path, the object it shows when it opens, and what it keeps: a record
// nobody edits comes back byte for byte, and a mapping survives a record
// whose effect no group holds.
#include <windows.h>
#include <dlgs.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <utility>
#include <string>

#include "dialog_controls.h"
#include "effects_page_ids.h"
#include "envelope_editor_ids.h"
#include "installation.h"
#include "model/components/envelope.h"
#include "model/components/object.h"
#include "model/components/path.h"
#include "model/components/surface.h"
#include "objects_page_ids.h"
#include "pane_ids.h"
#include "path_editor_ids.h"
#include "registry_value.h"
#include "sheet_fixture.h"
#include "temp_folder.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kObjectsTab = 2;
constexpr int kTimeline = 0, kAvi = 1, kBmp = 2, kTga = 3;  // the sources in list order

class ObjectsPageTest : public SheetFixture {
 protected:
  void SetUp() override {
    SheetFixture::SetUp();
    reverse_.remove();
    morphing_->surfaceNumber = 1;
    morphing_->morphFrames = 10;
    path_->insertKey(PathKey{0.0f, 1, 2, 3, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0});
    path_->insertKey(PathKey{1.0f, 4, 5, 6, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0});
    const std::vector<const EffectComponent*> parts = {morphing_.get(), path_.get()};
    installation_.addEffect(
        {"Three", "Three", true, 0x2050A0, "", 1, {"Left", "Middle", "Right"}, parts});
    installation_.addEffect({"Two", "Two", true, 0xA05020, "", 0, {"Front", "Back"}});
    installation_.writeMaster({{"Tests", {"Three", "Two"}}});
    installation_.writeCurrent({{"Tests", {"Three", "Two"}}});
    std::strcpy(record_.effectName, "Three");
  }
  SurfaceComponent* addSurface(uint16_t id, uint16_t kind, const char* file) {
    auto* surface = makeComponent<SurfaceComponent>(id, 0.0f, 1.0f, 0, 0);
    surface->mappingKind = kind;
    std::strcpy(surface->mapFile, file);
    surface->frameOffset = 3.0f;
    record_.description.lists[kSurfaces].append(surface);
    return surface;
  }

  SurfaceComponent* surface(uint16_t id) {
    return static_cast<SurfaceComponent*>(record_.description.lists[kSurfaces].findById(id));
  }

  Installation installation_;
  RegistryValue reverse_{"Eff_Autoreverse"};
  OwnedComponent<ObjectComponent> morphing_{makeComponent<ObjectComponent>(5, 0.0f, 1.0f, 0, 0)};
  OwnedComponent<PathComponent> path_{makeComponent<PathComponent>(6, 0.0f, 1.0f, 5, 0)};
};

// The file controls follow the source; a new source forgets the file; the
// offset is the box's leading whole number.
TEST_F(ObjectsPageTest, TheFileControlsFollowTheSourceAndTheOffsetIsTheLeadingWholeNumber) {
  addSurface(1, 3, "clip.avi");
  run(kObjectsTab, [&](HWND sheet, HWND page) {
    EXPECT_EQ("clip.avi", controlText(page, IDC_OBJECTS_FILE_NAME));
    EXPECT_TRUE(enabled(page, IDC_OBJECTS_SELECT_FILE));
    choose(page, IDC_OBJECTS_SOURCE_LIST, kTimeline);
    EXPECT_EQ("", controlText(page, IDC_OBJECTS_FILE_NAME));
    EXPECT_FALSE(enabled(page, IDC_OBJECTS_SELECT_FILE));
    EXPECT_FALSE(enabled(page, IDC_OBJECTS_FRAME_OFFSET));
    choose(page, IDC_OBJECTS_SOURCE_LIST, kAvi);
    EXPECT_TRUE(enabled(page, IDC_OBJECTS_SELECT_FILE));
    ASSERT_NE(nullptr, surface(1));
    EXPECT_STREQ("", surface(1)->mapFile);
    std::strcpy(surface(1)->mapFile, "C:\\clips\\sunset.avi");  // as "Select" maps it
    SetDlgItemTextA(page, IDC_OBJECTS_FRAME_OFFSET, " -7x");
    EXPECT_EQ(-7.0f, surface(1)->frameOffset);
    SetDlgItemTextA(page, IDC_OBJECTS_FRAME_OFFSET, "abc");
    EXPECT_EQ(0.0f, surface(1)->frameOffset);
    choose(page, IDC_OBJECTS_SOURCE_LIST, kTga);
    EXPECT_EQ(5, surface(1)->mappingKind);
    EXPECT_STREQ("", surface(1)->mapFile);
    SetDlgItemTextA(page, IDC_OBJECTS_FRAME_OFFSET, "12");
    captureWindow(sheet, screenshotPath("objects_page_mapped"));
  });
  const auto* kept = static_cast<SurfaceComponent*>(record_.description.lists[kSurfaces].head);
  ASSERT_NE(nullptr, kept);
  EXPECT_EQ(5, kept->mappingKind);
  EXPECT_STREQ("", kept->mapFile);
  EXPECT_EQ(12.0f, kept->frameOffset);
}

TEST_F(ObjectsPageTest, ATextureMappingSurvivesEveryEditButAChosenSource) {
  addSurface(1, 2, "wood");  // a texture
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

// The file chosen in the dialog is mapped onto the first object; the third
// object maps surface 3, made by its first source and gone with the timeline.
// The morph envelope is offered for a morphing object only; the path editor
// edits a copy of the object's path in the record; another effect chosen on
// the Effects page shows its first object.
TEST_F(ObjectsPageTest, TheChosenFileIsMappedTheEditorsWorkOnTheObjectAnotherEffectShowsItsFirst) {
  const TempFolder folder;
  const std::string clip = folder.write("clip.avi", "RIFF");
  run(kObjectsTab, [&](HWND sheet, HWND page) {
    EXPECT_EQ(3, SendDlgItemMessageA(page, IDC_OBJECTS_OBJECT_LIST, CB_GETCOUNT, 0, 0));
    choose(page, IDC_OBJECTS_SOURCE_LIST, kAvi);
    clickButton(page, IDC_OBJECTS_SELECT_FILE);
    HWND dialog = waitForWindow("Select video to map onto object");
    ASSERT_NE(nullptr, dialog);
    SetDlgItemTextA(dialog, cmb13, clip.c_str());  // the file name box
    closeWith(dialog, IDOK);
    EXPECT_TRUE(waitUntil([&] { return surface(1) && clip == surface(1)->mapFile; }));
    EXPECT_EQ(clip, controlText(page, IDC_OBJECTS_FILE_NAME));
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

    choose(page, IDC_OBJECTS_OBJECT_LIST, 0);
    ASSERT_TRUE(enabled(page, IDC_OBJECTS_MORPH_ENVELOPE));
    clickButton(page, IDC_OBJECTS_MORPH_ENVELOPE);
    HWND editor = waitForWindow("Object Morph Envelope");
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ("10", controlText(editor, IDC_ENVELOPE_TOP_VALUE))
        << "up to the object's morph frames";
    closeWith(editor, IDCANCEL);
    EXPECT_EQ(0u, record_.description.lists[kEnvelopes].count);
    clickButton(page, IDC_OBJECTS_PATH_EDITOR);
    editor = waitForWindow("Path Editor");
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ("Values at 0% * KEY *", controlText(editor, IDC_PATH_KEY_GROUP));
    EXPECT_EQ("1", controlText(editor, IDC_PATH_POSITION_X)) << "the effect's own first key";
    closeWith(editor, IDOK);
    ASSERT_EQ(1u, record_.description.lists[kPaths].count);
    EXPECT_EQ(5, record_.description.lists[kPaths].head->linkId);
    choose(page, IDC_OBJECTS_OBJECT_LIST, 1);
    EXPECT_FALSE(enabled(page, IDC_OBJECTS_MORPH_ENVELOPE));
    choose(page, IDC_OBJECTS_OBJECT_LIST, 2);
    SendDlgItemMessageA(showPage(sheet, 0), IDC_EFFECTS_FIRST_ICON + 1, BM_CLICK, 0, 0);  // "Two"
    SendMessageA(sheet, PSM_SETCURSEL, kObjectsTab, 0);
    EXPECT_EQ(2, SendDlgItemMessageA(page, IDC_OBJECTS_OBJECT_LIST, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, comboSelection(page, IDC_OBJECTS_OBJECT_LIST));
  });
}

// Values no control can show (a fraction, a count past its slider, NaN), an
// envelope and a path of the user's; every page shown, both editors closed
// with OK.
TEST_F(ObjectsPageTest, ARecordNobodyEditsComesBackByteForByte) {
  record_.objectParams[0][VTA_LUMINOSITY] = 12.5f;
  record_.objectParams[0][VTA_TRAIL_COUNT] = 30.0f;
  record_.objectParams[0][VTA_SHINE] = NAN;
  record_.globalParams[VTA_ANTIALIASING] = 2.0f;
  auto* envelope = makeComponent<EnvelopeComponent>(40001, 0.0f, 1.0f, 0, 0);
  envelope->parameterIndex = VTA_OBJECT_PARAM_INDEX(0, VTA_TRANSPARENCY);
  envelope->insertKey(EnvelopeKey{0.0f, 10.0f, 0, 0, 0, 0, 0});
  envelope->insertKey(EnvelopeKey{1.0f, 90.5f, 0, 0, 0, 0, 0});
  record_.description.lists[kEnvelopes].append(envelope);
  auto* path = makeComponent<PathComponent>(6, 0.0f, 1.0f, 5, 0);
  path->copyFrom(*path_);
  record_.description.lists[kPaths].append(path);
  addSurface(2, 4, "logo0001.bmp");
  const KeptRecord atCall(record_);
  run(0, [&](HWND sheet, HWND) {
    for (int tab : {1, 3, 2}) SendMessageA(sheet, PSM_SETCURSEL, tab, 0);
    HWND page = currentPage(sheet);
    for (auto [button, title] :
         {std::pair{IDC_OBJECTS_PATH_EDITOR, "Path Editor"},
          std::pair{IDC_OBJECTS_TRANSPARENCY_ENVELOPE, "Transparency Envelope"}}) {
      clickButton(page, button);
      HWND editor = waitForWindow(title);
      ASSERT_NE(nullptr, editor) << title;
      closeWith(editor, IDOK);
    }
  });
  atCall.expectSame(record_);
}

// No group holds the effect: the page lists nothing, so its sliders and
// offset box have nothing to write to and the mapping stays.
TEST_F(ObjectsPageTest, AnEffectNoGroupHoldsKeepsItsMappingAndValues) {
  std::strcpy(record_.effectName, "Uninstalled");
  record_.objectParams[0][VTA_LUMINOSITY] = 12.5f;
  addSurface(1, 4, "logo0001.bmp");
  const KeptRecord atCall(record_);
  run(kObjectsTab, [&](HWND, HWND page) {
    moveTrackbar(page, IDC_OBJECTS_LUMINOSITY, 40);
    SetDlgItemTextA(page, IDC_OBJECTS_FRAME_OFFSET, "9");
    choose(page, IDC_OBJECTS_SOURCE_LIST, kTimeline);
  });
  atCall.expectSame(record_);
}

}  // namespace
}  // namespace vta::test
