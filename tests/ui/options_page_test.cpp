// The Options and Filter Options pages as a user works them: every option
// written straight into the record, the "E" buttons and their envelopes,
// the exchange of objects 1 and 2 when a type-1 effect is reversed, the
// filter's sources and moment, and what the preview is asked to draw.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "curves/kb_spline.h"
#include "installation.h"
#include "library_under_test.h"
#include "model/components/envelope.h"
#include "model/effect_settings.h"
#include "pane_observers.h"
#include "registry_value.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kOptionsTab = 1, kFilterTab = 2;
constexpr int kFlyOff = 1100, kFlyOn = 1101, kAntialiasing = 1114, kLighting = 1112;
constexpr int kShadows = 1601, kBlurCount = 1117;
constexpr int kLightingE = 1131, kShadowsE = 1132, kDirectionE = 1133, kBlurE = 1134,
              kCountE = 1135;
constexpr int kSources = 1200, kFilterPercent = 1201, kFilterFrames = 1203, kRender = 1078;
constexpr int kEditorTop = 1100, kEditorBottom = 1101, kEditorRemove = 3;

bool enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }

EnvelopeComponent* addEnvelope(EffectSettings& record, uint16_t id, uint16_t owner,
                               uint16_t parameter) {
  auto* envelope = makeComponent<EnvelopeComponent>(id, 0.0f, 1.0f, owner, 0);
  envelope->parameterIndex = parameter;
  envelope->insertKey({0.0f, 1.0f, 0, 0, 0, 0, 0});
  envelope->insertKey({1.0f, 0.0f, 0, 0, 0, 0, 0});
  record.description.lists[kEnvelopes].append(envelope);
  return envelope;
}

class RecordPagesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(library_.loaded()); }

  void run(bool filterMode, int tab, const std::function<void(HWND sheet, HWND page)>& drive) {
    EffectSettings second;
    ASSERT_TRUE(runSheetOnPage(library_, reinterpret_cast<VtaEffectSettings&>(record_),
                               filterMode ? reinterpret_cast<VtaEffectSettings*>(&second) : nullptr,
                               tab, drive))
        << "the selection sheet did not appear";
  }

  LibraryUnderTest library_;
  EffectSettings record_;
  RegistryValue reverse_{"Eff_Autoreverse"};
};

// What an "E" button opened: the editor's title and the ends of its graph.
struct EditorSeen {
  std::string title, top, bottom;
};

EditorSeen openAndClose(HWND page, int button, const char* title, int closeWith) {
  clickButton(page, button);
  HWND editor = waitForWindow(title);
  if (!editor) return {"(no editor)", "", ""};
  EditorSeen seen{windowText(editor), controlText(editor, kEditorTop),
                  controlText(editor, kEditorBottom)};
  clickButton(editor, closeWith);
  waitForWindowGone(editor);
  return seen;
}

TEST_F(RecordPagesTest, AnAnimatedOptionShowsEStarAndItsControlComesBackWhenTheEnvelopeGoes) {
  addEnvelope(record_, 40001, 0, VTA_LIGHTING);
  run(false, kOptionsTab, [&](HWND sheet, HWND page) {
    EXPECT_EQ("E*", controlText(page, kLightingE));
    EXPECT_FALSE(enabled(page, kLighting));
    EXPECT_EQ("E", controlText(page, kShadowsE));
    captureWindow(sheet, screenshotPath("options_page_animated"));
    const EditorSeen seen =
        openAndClose(page, kLightingE, "Lighting Off/On Envelope", kEditorRemove);
    EXPECT_EQ("1", seen.top);
    EXPECT_EQ("0", seen.bottom);
    EXPECT_TRUE(waitUntil([&] { return controlText(page, kLightingE) == "E"; }));
    EXPECT_TRUE(enabled(page, kLighting));
  });
  EXPECT_EQ(nullptr, record_.description.findEnvelope(0, VTA_LIGHTING));
}

TEST_F(RecordPagesTest, EveryEButtonAsksTheEditorForItsOption) {
  run(false, kOptionsTab, [&](HWND, HWND page) {
    struct Row {
      int button;
      const char* title;
      const char* top;
    } rows[] = {{kShadowsE, "Shadows Envelope", "100%"},
                {kDirectionE, "Light Direction Envelope", "360"},
                {kBlurE, "Blur Percent Envelope", "100%"},
                {kCountE, "Blur Count Envelope", "10"}};
    for (const Row& row : rows) {
      const EditorSeen seen = openAndClose(page, row.button, row.title, IDCANCEL);
      EXPECT_EQ(row.title, seen.title);
      EXPECT_EQ(row.top, seen.top) << row.title;
      EXPECT_EQ("E", controlText(page, row.button)) << "Cancel leaves no envelope behind";
    }
  });
  EXPECT_EQ(0u, record_.description.lists[kEnvelopes].count);
}

TEST_F(RecordPagesTest, DraggingMovesTheLabelReleasingStoresAndAntialiasingAboveOneStays) {
  record_.globalParams[VTA_ANTIALIASING] = 2.0f;
  run(false, kOptionsTab, [&](HWND sheet, HWND page) {
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(page, kAntialiasing));
    EXPECT_EQ(2.0f, record_.globalParams[VTA_ANTIALIASING]) << "showing writes nothing";
    moveTrackbar(page, kShadows, 70, true);
    EXPECT_EQ("70%", controlText(page, kShadows + 1));
    EXPECT_EQ(0.0f, record_.globalParams[VTA_SHADOWS]);
    moveTrackbar(page, kShadows, 70, false);
    EXPECT_EQ(70.0f, record_.globalParams[VTA_SHADOWS]);
    moveTrackbar(page, kBlurCount, 7, false);
    EXPECT_EQ("7", controlText(page, kBlurCount + 1));
    EXPECT_EQ(7.0f, record_.globalParams[VTA_BLUR_COUNT]);
    captureWindow(sheet, screenshotPath("options_page_set"));
  });
}

// An installation of two offered effects: "Swap" of type 1 and "Plain" of
// type 0, each with two sources.
class ReversingTest : public RecordPagesTest {
 protected:
  void SetUp() override {
    RecordPagesTest::SetUp();
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

  Installation installation_{"options_reversing"};
  EnvelopeComponent *first_ = nullptr, *second_ = nullptr, *morph_ = nullptr;
};

TEST_F(ReversingTest, FlyOnOfATypeOneEffectExchangesObjectsOneAndTwoAndBackAgain) {
  std::strcpy(record_.effectName, "Swap");
  run(false, kOptionsTab, [&](HWND, HWND page) {
    clickAndWaitForFlyMode(page, kFlyOn, 1.0f);
    EXPECT_EQ(20.0f, record_.objectParams[0][VTA_SHINE]);
    EXPECT_EQ(10.0f, record_.objectParams[1][VTA_SHINE]);
    EXPECT_EQ(VTA_OBJECT_PARAM_INDEX(1, VTA_TRAIL_COUNT), first_->parameterIndex);
    EXPECT_EQ(VTA_OBJECT_PARAM_INDEX(0, VTA_PATH_ROTATION), second_->parameterIndex);
    EXPECT_EQ(VTA_OBJECT_PARAM_INDEX(0, 1), morph_->parameterIndex)
        << "an object's own envelope stays";
    clickAndWaitForFlyMode(page, kFlyOff, 0.0f);
    EXPECT_EQ(10.0f, record_.objectParams[0][VTA_SHINE]);
    EXPECT_EQ(VTA_OBJECT_PARAM_INDEX(0, VTA_TRAIL_COUNT), first_->parameterIndex);
  });
}

TEST_F(ReversingTest, ATypeZeroEffectExchangesNothing) {
  std::strcpy(record_.effectName, "Plain");
  run(false, kOptionsTab, [&](HWND, HWND page) { clickAndWaitForFlyMode(page, kFlyOn, 1.0f); });
  EXPECT_EQ(10.0f, record_.objectParams[0][VTA_SHINE]);
  EXPECT_EQ(VTA_OBJECT_PARAM_INDEX(0, VTA_TRAIL_COUNT), first_->parameterIndex);
}

TEST_F(ReversingTest, TheFilterPageListsTheSourcesOfTheSelectedEffectAndNeverStoresNone) {
  std::strcpy(record_.effectName, "Swap");
  record_.globalParams[VTA_FILTER_SOURCE] = 1;
  record_.globalParams[VTA_FILTER_FRAMES] = 5;
  run(true, kFilterTab, [&](HWND sheet, HWND page) {
    EXPECT_EQ(2, SendDlgItemMessageA(page, kSources, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(1, SendDlgItemMessageA(page, kSources, CB_GETCURSEL, 0, 0));
    EXPECT_EQ("5", controlText(page, kFilterFrames + 1));
    EXPECT_EQ(10, SendDlgItemMessageA(page, kFilterFrames, TBM_GETPOS, 0, 0));
    moveTrackbar(page, kFilterPercent, 40, false);
    EXPECT_EQ(5.0f, record_.globalParams[VTA_FILTER_FRAMES]) << "only the moved slider writes";
    EXPECT_EQ(40.0f, record_.globalParams[VTA_FILTER_PERCENT]);
    EXPECT_EQ(1.0f, record_.globalParams[VTA_FILTER_ON]);
    captureWindow(sheet, screenshotPath("filter_page_set"));
    SendMessageA(sheet, PSM_SETCURSEL, kOptionsTab, 0);
    HWND options = currentPage(sheet);
    ASSERT_NE(page, options);
    EXPECT_FALSE(enabled(options, kFlyOn)) << "no fly mode in filter mode";
    EXPECT_FALSE(enabled(options, kFlyOff));

    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    HWND effects = currentPage(sheet);
    SendMessageA(GetDlgItem(effects, 1002), BM_CLICK, 0, 0);  // "Plain": no sources
    EXPECT_TRUE(waitUntil([&] { return std::strcmp(record_.effectName, "Plain") == 0; }));
    SendMessageA(sheet, PSM_SETCURSEL, kFilterTab, 0);
    EXPECT_EQ(0, SendDlgItemMessageA(page, kSources, CB_GETCOUNT, 0, 0));
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(kRender, BN_CLICKED), 0);
    EXPECT_EQ(1.0f, record_.globalParams[VTA_FILTER_SOURCE]) << "an empty list keeps the source";
  });
}

// With the test renderer as the preview engine of the sample installation.
TEST_F(RecordPagesTest, TheFilterPreviewDrawsThePagesMomentOfTheFrames) {
  RendererControl renderer;
  ASSERT_TRUE(renderer.loaded());
  RegistryValue engine("Prev_Engine"), automatic("Prev_Render");
  engine.setText("Rnd_Test");
  automatic.setNumber(1);
  record_.globalParams[VTA_FILTER_FRAMES] = 100;
  record_.globalParams[VTA_FILTER_PERCENT] = 50;
  auto renderedAt = [&](uint32_t position, uint32_t range) {
    return waitUntil([&] {
      for (const RndTestCall& call : renderer.calls(RND_TEST_RENDER)) {
        if (call.position == position && call.range == range) return true;
      }
      return false;
    });
  };
  run(true, kFilterTab, [&](HWND, HWND page) {
    EXPECT_TRUE(renderedAt(50, 100));
    moveTrackbar(page, kFilterFrames, 30, false);
    EXPECT_TRUE(renderedAt(15, 30));
  });
}

}  // namespace
}  // namespace vta::test
