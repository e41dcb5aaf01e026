// The Options and Filter Options pages beyond their value controls
// (page_controls_test.cpp): the "E" buttons' editors and envelopes, the
// exchange of objects 1 and 2 when a type-1 effect is reversed, and the
// filter's sources and moment.
#include <windows.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>

#include "dialog_controls.h"
#include "effects_page_ids.h"
#include "envelope_editor_ids.h"
#include "filter_page_ids.h"
#include "installation.h"
#include "model/components/envelope.h"
#include "options_page_ids.h"
#include "pane_ids.h"
#include "registry_value.h"
#include "sheet_fixture.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kOptionsTab = 1, kFilterTab = 2;

EnvelopeComponent* addEnvelope(EffectSettings& record, uint16_t id, uint16_t owner,
                               uint16_t parameter) {
  auto* envelope = makeComponent<EnvelopeComponent>(id, 0.0f, 1.0f, owner, 0);
  envelope->parameterIndex = parameter;
  envelope->insertKey({0.0f, 1.0f, 0, 0, 0, 0, 0});
  envelope->insertKey({1.0f, 0.0f, 0, 0, 0, 0, 0});
  record.description.lists[kEnvelopes].append(envelope);
  return envelope;
}

using OptionsPageTest = SheetFixture;

TEST_F(OptionsPageTest, AnAnimatedOptionShowsEStarAndItsControlComesBackWhenTheEnvelopeGoes) {
  addEnvelope(record_, 40001, 0, VTA_LIGHTING);
  run(kOptionsTab, [&](HWND sheet, HWND page) {
    EXPECT_EQ("E*", controlText(page, IDC_OPTIONS_LIGHTING_ENVELOPE));
    EXPECT_FALSE(enabled(page, IDC_OPTIONS_LIGHTING));
    EXPECT_EQ("E", controlText(page, IDC_OPTIONS_SHADOWS_ENVELOPE));
    captureWindow(sheet, screenshotPath("options_page_animated"));
    clickButton(page, IDC_OPTIONS_LIGHTING_ENVELOPE);
    HWND editor = waitForWindow("Lighting Off/On Envelope");
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ("1", controlText(editor, IDC_ENVELOPE_TOP_VALUE));
    EXPECT_EQ("0", controlText(editor, IDC_ENVELOPE_BOTTOM_VALUE));
    closeWith(editor, IDC_ENVELOPE_REMOVE);
    EXPECT_TRUE(waitUntil([&] { return controlText(page, IDC_OPTIONS_LIGHTING_ENVELOPE) == "E"; }));
    EXPECT_TRUE(enabled(page, IDC_OPTIONS_LIGHTING));
  });
  EXPECT_EQ(nullptr, record_.description.findEnvelope(0, VTA_LIGHTING));
}

// An installation of two offered effects: "Swap" of type 1 and "Plain" of
// type 0, each with two sources.
class ReversingTest : public SheetFixture {
 protected:
  void SetUp() override {
    SheetFixture::SetUp();
    installation_.addEffect({"Swap", "Swap", true, 0x2050A0, "", 1, {"Front", "Back"}});
    installation_.addEffect({"Plain", "Plain", true, 0xA05020, "", 0, {}});
    installation_.writeMaster({{"Tests", {"Swap", "Plain"}}});
    installation_.writeCurrent({{"Tests", {"Swap", "Plain"}}});
    reverse_.setNumber(1);
    record_.objectParams[0][VTA_SHINE] = 10;
    record_.objectParams[1][VTA_SHINE] = 20;
    first_ = addEnvelope(record_, 40001, 0, VTA_OBJECT_PARAM_INDEX(0, VTA_TRAIL_COUNT));
    second_ = addEnvelope(record_, 40002, 0, VTA_OBJECT_PARAM_INDEX(1, VTA_PATH_ROTATION));
    morph_ = addEnvelope(record_, 40003, 7, VTA_OBJECT_PARAM_INDEX(0, 1));
  }

  void clickAndWaitForFlyMode(HWND page, int radio, float flyMode) {
    clickButton(page, radio);
    EXPECT_TRUE(waitUntil([&] { return record_.globalParams[VTA_FLY_MODE] == flyMode; }));
  }

  Installation installation_;
  RegistryValue reverse_{"Eff_Autoreverse"};
  EnvelopeComponent *first_ = nullptr, *second_ = nullptr, *morph_ = nullptr;
};

// Fly-On of a type-1 effect exchanges objects 1 and 2 (their reals and the
// envelopes on them) and Fly-Off exchanges them back; type 0 exchanges nothing.
TEST_F(ReversingTest, FlyOnOfATypeOneEffectExchangesObjectsOneAndTwoAndBackAgain) {
  for (const char* effect : {"Swap", "Plain"}) {
    SCOPED_TRACE(effect);
    const bool exchanges = std::strcmp(effect, "Swap") == 0;
    std::strcpy(record_.effectName, effect);
    run(kOptionsTab, [&](HWND, HWND page) {
      clickAndWaitForFlyMode(page, IDC_OPTIONS_FLY_ON, 1.0f);
      EXPECT_EQ(exchanges ? 20.0f : 10.0f, record_.objectParams[0][VTA_SHINE]);
      EXPECT_EQ(exchanges ? 10.0f : 20.0f, record_.objectParams[1][VTA_SHINE]);
      EXPECT_EQ(VTA_OBJECT_PARAM_INDEX(exchanges ? 1 : 0, VTA_TRAIL_COUNT), first_->parameterIndex);
      EXPECT_EQ(VTA_OBJECT_PARAM_INDEX(exchanges ? 0 : 1, VTA_PATH_ROTATION),
                second_->parameterIndex);
      EXPECT_EQ(VTA_OBJECT_PARAM_INDEX(0, 1), morph_->parameterIndex)
          << "an object's own envelope stays";
      clickAndWaitForFlyMode(page, IDC_OPTIONS_FLY_OFF, 0.0f);
      EXPECT_EQ(10.0f, record_.objectParams[0][VTA_SHINE]);
      EXPECT_EQ(VTA_OBJECT_PARAM_INDEX(0, VTA_TRAIL_COUNT), first_->parameterIndex);
    });
  }
}

TEST_F(ReversingTest, TheFilterPageListsTheSourcesOfTheSelectedEffectAndNeverStoresNone) {
  std::strcpy(record_.effectName, "Swap");
  record_.globalParams[VTA_FILTER_SOURCE] = 1;
  record_.globalParams[VTA_FILTER_FRAMES] = 5;
  run(record_, kFilterTab, true, [&](HWND sheet, HWND page) {
    EXPECT_EQ(2u, comboItems(page, IDC_FILTER_SOURCE_LIST).size());
    EXPECT_EQ(1, comboSelection(page, IDC_FILTER_SOURCE_LIST));
    EXPECT_EQ("5", controlText(page, IDC_FILTER_FRAMES_VALUE));
    EXPECT_EQ(10, slider(page, IDC_FILTER_FRAMES));
    moveTrackbar(page, IDC_FILTER_PERCENT, 40, false);
    EXPECT_EQ(5.0f, record_.globalParams[VTA_FILTER_FRAMES]) << "only the moved slider writes";
    EXPECT_EQ(40.0f, record_.globalParams[VTA_FILTER_PERCENT]);
    EXPECT_EQ(1.0f, record_.globalParams[VTA_FILTER_ON]);
    captureWindow(sheet, screenshotPath("filter_page_sources"));
    HWND options = showPage(sheet, kOptionsTab);
    ASSERT_NE(page, options);
    EXPECT_FALSE(enabled(options, IDC_OPTIONS_FLY_ON)) << "no fly mode in filter mode";
    EXPECT_FALSE(enabled(options, IDC_OPTIONS_FLY_OFF));

    HWND effects = showPage(sheet, 0);
    clickButton(effects, IDC_EFFECTS_FIRST_ICON + 1);  // "Plain": no sources
    EXPECT_TRUE(waitUntil([&] { return std::strcmp(record_.effectName, "Plain") == 0; }));
    SendMessageA(sheet, PSM_SETCURSEL, kFilterTab, 0);
    EXPECT_TRUE(comboItems(page, IDC_FILTER_SOURCE_LIST).empty());
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_PANE_RENDER, BN_CLICKED), 0);
    EXPECT_EQ(1.0f, record_.globalParams[VTA_FILTER_SOURCE]) << "an empty list keeps the source";
  });
}

}  // namespace
}  // namespace vta::test
