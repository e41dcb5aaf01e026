// What the sheet keeps: a record nobody edits comes back byte for byte, a
// mapped file survives a record whose effect no group holds, the file
// controls follow the source, and a choice the user made on the Settings
// page is never dropped.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "installation.h"
#include "dialog_controls.h"
#include "model/components/envelope.h"
#include "model/components/object.h"
#include "model/components/path.h"
#include "model/components/surface.h"
#include "model/effect_settings.h"
#include "registry_value.h"
#include "sheet_fixture.h"
#include "ui/res/objects_page_ids.h"
#include "ui/res/pane_ids.h"
#include "ui/res/settings_page_ids.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kObjectsTab = 2, kSettingsTab = 3;
constexpr int kTimeline = 0, kAvi = 1;

class KeptEdits : public SheetFixture {
 protected:
  void SetUp() override {
    SheetFixture::SetUp();
    path_ = makeComponent<PathComponent>(6, 0.0f, 1.0f, 5, 0);
    path_->insertKey(PathKey{0.0f, 1, 2, 3, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0});
    path_->insertKey(PathKey{1.0f, 4, 5, 6, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0});
    object_ = makeComponent<ObjectComponent>(5, 0.0f, 1.0f, 0, 0);
    object_->surfaceNumber = 1;
    installation_.addEffect({"Three", "Three", true, 0x2050A0, "", 1, {"Left", "Right"},
                             {object_, path_}});
    installation_.writeMaster({{"Tests", {"Three"}}});
    installation_.writeCurrent({{"Tests", {"Three"}}});
    std::strcpy(record_.effectName, "Three");
  }
  void TearDown() override {
    object_->destroy(true);
    path_->destroy(true);
  }

  // Keeps the record as it is now, to compare after the sheet closed.
  void keep() {
    atCall_.copyFrom(record_);
    std::memcpy(fixedAtCall_, &record_, sizeof fixedAtCall_);
  }
  void expectKept() {
    EXPECT_EQ(0, std::memcmp(fixedAtCall_, &record_, sizeof fixedAtCall_));
    EXPECT_EQ(0, record_.differs(atCall_));
  }

  SurfaceComponent* addSurface(uint16_t id, uint16_t kind, const char* file) {
    auto* surface = makeComponent<SurfaceComponent>(id, 0.0f, 1.0f, 0, 0);
    surface->mappingKind = kind;
    std::strcpy(surface->mapFile, file);
    surface->frameOffset = 3.0f;
    record_.description.lists[kSurfaces].append(surface);
    return surface;
  }

  Installation installation_{"kept_edits"};
  ObjectComponent* object_ = nullptr;
  PathComponent* path_ = nullptr;
  EffectSettings atCall_;
  uint8_t fixedAtCall_[kStoredFixedBytes];
};

// Values no control can show (a fraction, a count past its slider, NaN),
// an envelope and a path of the user's.
TEST_F(KeptEdits, ARecordNobodyEditsComesBackByteForByte) {
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
  keep();
  run(0, [&](HWND sheet, HWND) {
    for (int tab : {1, 3, 2}) SendMessageA(sheet, PSM_SETCURSEL, tab, 0);
    HWND page = currentPage(sheet);
    for (auto [button, title] : {std::pair{IDC_OBJECTS_PATH_EDITOR, "Path Editor"},
                                 std::pair{IDC_OBJECTS_TRANSPARENCY_ENVELOPE,
                                           "Transparency Envelope"}}) {
      clickButton(page, button);
      HWND editor = waitForWindow(title);
      ASSERT_NE(nullptr, editor) << title;
      clickButton(editor, IDOK);
      EXPECT_TRUE(waitForWindowGone(editor));
    }
  });
  expectKept();
}

// No group holds the effect: the Objects page lists nothing, so its sliders
// and offset box have nothing to write to and the mapping stays.
TEST_F(KeptEdits, AnEffectNoGroupHoldsKeepsItsMappingAndValues) {
  std::strcpy(record_.effectName, "Uninstalled");
  record_.objectParams[0][VTA_LUMINOSITY] = 12.5f;
  addSurface(1, 4, "logo0001.bmp");
  keep();
  run(kObjectsTab, [&](HWND, HWND page) {
    moveTrackbar(page, IDC_OBJECTS_LUMINOSITY, 40);
    SetDlgItemTextA(page, IDC_OBJECTS_FRAME_OFFSET, "9");
    choose(page, IDC_OBJECTS_SOURCE_LIST, kTimeline);
  });
  expectKept();
}

TEST_F(KeptEdits, TheFileControlsFollowTheSource) {
  addSurface(1, 3, "clip.avi");
  run(kObjectsTab, [&](HWND, HWND page) {
    EXPECT_EQ("clip.avi", controlText(page, IDC_OBJECTS_FILE_NAME));
    EXPECT_TRUE(enabled(page, IDC_OBJECTS_SELECT_FILE));
    choose(page, IDC_OBJECTS_SOURCE_LIST, kTimeline);
    EXPECT_EQ("", controlText(page, IDC_OBJECTS_FILE_NAME));
    EXPECT_FALSE(enabled(page, IDC_OBJECTS_SELECT_FILE));
    EXPECT_FALSE(enabled(page, IDC_OBJECTS_FRAME_OFFSET));
    choose(page, IDC_OBJECTS_SOURCE_LIST, kAvi);
    EXPECT_TRUE(enabled(page, IDC_OBJECTS_SELECT_FILE));
    SetDlgItemTextA(page, IDC_OBJECTS_FRAME_OFFSET, "12");
  });
  const auto* surface = static_cast<SurfaceComponent*>(record_.description.lists[kSurfaces].head);
  ASSERT_NE(nullptr, surface);
  EXPECT_EQ(3, surface->mappingKind);
  EXPECT_STREQ("", surface->mapFile);
  EXPECT_EQ(12.0f, surface->frameOffset);
}

class KeptSettings : public KeptEdits {
 protected:
  void SetUp() override {
    KeptEdits::SetUp();
    CreateDirectoryA((installation_.root() + "\\LIBS").c_str(), nullptr);
    for (const char* file : {"Rnd_One.dll", "Rnd_Two.dll"}) {
      HANDLE f = CreateFileA((installation_.root() + "\\LIBS\\" + file).c_str(), GENERIC_WRITE, 0,
                             nullptr, CREATE_ALWAYS, 0, nullptr);
      CloseHandle(f);
    }
    engine_.setText("Rnd_One");
    speed_.setNumber(10);
  }
  RegistryValue engine_{"Engine"}, speed_{"Prev_Speed"}, orgFile_{"OrgFile"};
};

TEST_F(KeptSettings, AnEngineChosenInAListIsStoredWhenThePageIsLeftOrOnOk) {
  for (bool leaveByTab : {true, false}) {
    engine_.setText("Rnd_One");
    run(kSettingsTab, [&](HWND sheet, HWND page) {
      choose(page, IDC_SETTINGS_RENDER_ENGINE, 1);
      EXPECT_EQ("Rnd_One", engine_.text()) << "a choice alone writes nothing at once";
      if (leaveByTab) SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    });
    EXPECT_EQ("Rnd_Two", engine_.text()) << (leaveByTab ? "left by tab" : "OK");
  }
}

// The pane's speed is the one speed: the Settings page shows it and stores
// it; a stored text too long for its field is written back unchanged.
TEST_F(KeptSettings, ThePanesSpeedIsTheSettingsSpeedAndALongTextIsKept) {
  const std::string longName(60, 'g');
  orgFile_.setText(longName.c_str());
  run(0, [&](HWND sheet, HWND page) {
    moveTrackbar(page, IDC_PANE_SPEED, 25);
    SendMessageA(sheet, PSM_SETCURSEL, kSettingsTab, 0);
    HWND settings = currentPage(sheet);
    EXPECT_EQ(25, SendDlgItemMessageA(settings, IDC_SETTINGS_PREVIEW_SPEED, TBM_GETPOS, 0, 0));
    clickButton(settings, IDC_SETTINGS_AUTO_PREVIEW);
  });
  EXPECT_EQ(25u, speed_.number());
  EXPECT_EQ(longName, orgFile_.text());
}

}  // namespace
}  // namespace vta::test
