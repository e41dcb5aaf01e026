// Every value control of the Options, Filter Options, Objects and Settings
// pages, worked through the real sheet one after another: each writes its
// own record real (or, on the Settings page, its own stored preference) and
// nothing else; a slider's drag only moves its label, which shows the
// slider's whole range; every "E" button animates its own value.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "dialog_controls.h"
#include "envelope_editor_ids.h"
#include "filter_page_ids.h"
#include "input_driver.h"
#include "installation.h"
#include "objects_page_ids.h"
#include "options_page_ids.h"
#include "registry_value.h"
#include "settings_page_ids.h"
#include "sheet_fixture.h"
#include "window_driver.h"

namespace vta::test {
namespace {

enum class Act { Click, Slide, Choose };

// A control worked as a user does (a click, a slider moved to `to`, item
// `to` chosen) and the value it must write: slot of a snapshot.
struct ControlRow {
  int control;
  Act act;
  int to;
  size_t slot;
  double expected;
};

using Snapshot = std::function<std::vector<double>()>;

// A drag to the slider's end and back to `to`: the label follows, shows the
// end value in full, and nothing is stored.
void expectDragMovesOnlyTheLabel(HWND page, const ControlRow& row, const Snapshot& values) {
  const std::vector<double> before = values();
  HWND label = GetDlgItem(page, row.control + 1);
  const int end = static_cast<int>(SendDlgItemMessageA(page, row.control, TBM_GETRANGEMAX, 0, 0));
  moveTrackbar(page, row.control, end, true);
  EXPECT_EQ(0u, windowText(label).find(std::to_string(end))) << windowText(label);
  RECT room;
  GetClientRect(label, &room);
  const SIZE needed = textExtent(label, windowText(label).c_str());
  EXPECT_TRUE(needed.cx <= room.right && needed.cy <= room.bottom) << "cut off";
  moveTrackbar(page, row.control, row.to, true);
  EXPECT_EQ(0u, windowText(label).find(std::to_string(row.to))) << windowText(label);
  EXPECT_EQ(before, values()) << "a drag stores nothing";
}

void expectEachControlWritesItsOwnValue(HWND page, const std::vector<ControlRow>& rows,
                                        const Snapshot& values) {
  for (const ControlRow& row : rows) {
    SCOPED_TRACE("control " + std::to_string(row.control));
    if (row.act == Act::Slide) expectDragMovesOnlyTheLabel(page, row, values);
    std::vector<double> wanted = values();
    ASSERT_LT(row.slot, wanted.size());
    ASSERT_NE(row.expected, wanted[row.slot]) << "the row must change its value";
    wanted[row.slot] = row.expected;
    if (row.act == Act::Click) clickButton(page, row.control);
    if (row.act == Act::Choose) choose(page, row.control, row.to);
    if (row.act == Act::Slide) moveTrackbar(page, row.control, row.to);
    EXPECT_TRUE(waitUntil([&] { return values()[row.slot] == row.expected; }));
    EXPECT_EQ(wanted, values()) << "and nothing else";
  }
}

// The record's reals in parameter-index order: the global options, then
// every object entry's elements.
std::vector<double> reals(const EffectSettings& record) {
  std::vector<double> all(std::begin(record.globalParams), std::end(record.globalParams));
  for (const auto& entry : record.objectParams) all.insert(all.end(), entry, entry + 10);
  return all;
}

constexpr size_t global(int parameter) { return static_cast<size_t>(parameter); }
constexpr size_t object(int n, int element) {
  return VTA_GLOBAL_PARAM_COUNT + static_cast<size_t>(n * VTA_OBJECT_PARAM_COUNT + element);
}

struct EnvelopeRow {
  int button, control, parameter;
  const char* top;  // the top of the editor's graph: the value's range
};

// Each button opens an editor over its value's range; OK leaves an envelope
// on the button's own value, whose control then gives way to it.
void expectEachEButtonAnimatesItsValue(HWND sheet, HWND page, const EffectSettings& record,
                                       const std::vector<EnvelopeRow>& rows) {
  for (const EnvelopeRow& row : rows) {
    SCOPED_TRACE("button " + std::to_string(row.button));
    const uint32_t before = record.description.lists[kEnvelopes].count;
    clickButton(page, row.button);
    HWND editor = nullptr;
    EXPECT_TRUE(waitUntil([&] { return (editor = ownedWindow(sheet, "#32770")) != nullptr; }))
        << "no editor";
    if (!editor) continue;
    EXPECT_EQ(row.top, controlText(editor, IDC_ENVELOPE_TOP_VALUE));
    closeWith(editor, IDOK);
    EXPECT_TRUE(waitUntil([&] { return !enabled(page, row.control); }));
    EXPECT_EQ(before + 1, record.description.lists[kEnvelopes].count);
    EXPECT_NE(nullptr, record.description.findEnvelope(0, static_cast<uint16_t>(row.parameter)));
  }
}

// An installation of one offered effect with three sources (objects).
class PageControlsTest : public SheetFixture {
 protected:
  void SetUp() override {
    SheetFixture::SetUp();
    reverse_.remove();
    installation_.addEffect({"Three", "Three", true, 0x2050A0, "", 0, {"Left", "Middle", "Right"}});
    installation_.writeMaster({{"Tests", {"Three"}}});
    installation_.writeCurrent({{"Tests", {"Three"}}});
    std::strcpy(record_.effectName, "Three");
  }

  Snapshot recordReals() {
    return [this] { return reals(record_); };
  }

  Installation installation_;
  RegistryValue reverse_{"Eff_Autoreverse"};
};

TEST_F(PageControlsTest, OptionsPage) {
  const std::vector<ControlRow> rows = {
      {IDC_OPTIONS_FLY_ON, Act::Click, 0, global(VTA_FLY_MODE), 1},
      {IDC_OPTIONS_WIRE, Act::Click, 0, global(VTA_RENDER_STYLE), 2},
      {IDC_OPTIONS_FLAT, Act::Click, 0, global(VTA_RENDER_STYLE), 1},
      {IDC_OPTIONS_QUALITY_BEST, Act::Click, 0, global(VTA_QUALITY), 1},
      {IDC_OPTIONS_IMAGE_BEST, Act::Click, 0, global(VTA_IMAGE_QUALITY), 1},
      {IDC_OPTIONS_ANTIALIASING, Act::Click, 0, global(VTA_ANTIALIASING), 1},
      {IDC_OPTIONS_LIGHTING, Act::Click, 0, global(VTA_LIGHTING), 1},
      {IDC_OPTIONS_LIGHT_DIRECTION, Act::Slide, 90, global(VTA_LIGHT_DIRECTION), 90},
      {IDC_OPTIONS_SHADOWS, Act::Slide, 70, global(VTA_SHADOWS), 70},
      {IDC_OPTIONS_BLUR_PERCENT, Act::Slide, 30, global(VTA_BLUR_PERCENT), 30},
      {IDC_OPTIONS_BLUR_COUNT, Act::Slide, 7, global(VTA_BLUR_COUNT), 7},
      {IDC_OPTIONS_PERIOD, Act::Slide, 40, global(VTA_TRANSITION_PERIOD), 40},
      {IDC_OPTIONS_SMOOTH, Act::Click, 0, global(VTA_RENDER_STYLE), 0},
      {IDC_OPTIONS_FLY_OFF, Act::Click, 0, global(VTA_FLY_MODE), 0}};
  run(1, [&](HWND sheet, HWND page) {
    expectEachControlWritesItsOwnValue(page, rows, recordReals());
    captureWindow(sheet, screenshotPath("options_page_set"));
    expectEachEButtonAnimatesItsValue(
        sheet, page, record_,
        {{IDC_OPTIONS_LIGHTING_ENVELOPE, IDC_OPTIONS_LIGHTING, VTA_LIGHTING, "1"},
         {IDC_OPTIONS_SHADOWS_ENVELOPE, IDC_OPTIONS_SHADOWS, VTA_SHADOWS, "100%"},
         {IDC_OPTIONS_LIGHT_DIRECTION_ENVELOPE, IDC_OPTIONS_LIGHT_DIRECTION, VTA_LIGHT_DIRECTION,
          "360"},
         {IDC_OPTIONS_BLUR_PERCENT_ENVELOPE, IDC_OPTIONS_BLUR_PERCENT, VTA_BLUR_PERCENT, "100%"},
         {IDC_OPTIONS_BLUR_COUNT_ENVELOPE, IDC_OPTIONS_BLUR_COUNT, VTA_BLUR_COUNT, "10"}});
  });
}

TEST_F(PageControlsTest, FilterPage) {
  record_.globalParams[VTA_FILTER_ON] = 1;
  record_.globalParams[VTA_FILTER_FRAMES] = 10;
  const std::vector<ControlRow> rows = {
      {IDC_FILTER_SOURCE_LIST, Act::Choose, 2, global(VTA_FILTER_SOURCE), 2},
      {IDC_FILTER_PERCENT, Act::Slide, 40, global(VTA_FILTER_PERCENT), 40},
      {IDC_FILTER_FRAMES, Act::Slide, 30, global(VTA_FILTER_FRAMES), 30},
      {IDC_FILTER_ROTATE_X, Act::Slide, 90, global(VTA_FILTER_ROTATE_X), 90},
      {IDC_FILTER_ROTATE_Y, Act::Slide, 180, global(VTA_FILTER_ROTATE_Y), 180},
      {IDC_FILTER_ROTATE_Z, Act::Slide, 270, global(VTA_FILTER_ROTATE_Z), 270},
      {IDC_FILTER_DISTANCE, Act::Slide, 150, global(VTA_FILTER_DISTANCE), 150}};
  run(record_, 2, true, [&](HWND sheet, HWND page) {
    EXPECT_EQ(3u, comboItems(page, IDC_FILTER_SOURCE_LIST).size());
    expectEachControlWritesItsOwnValue(page, rows, recordReals());
    captureWindow(sheet, screenshotPath("filter_page_set"));
  });
}

TEST_F(PageControlsTest, ObjectsPageOnTheThirdObject) {
  const std::vector<ControlRow> rows = {
      {IDC_OBJECTS_LUMINOSITY, Act::Slide, 40, object(2, VTA_LUMINOSITY), 40},
      {IDC_OBJECTS_SHINE, Act::Slide, 50, object(2, VTA_SHINE), 50},
      {IDC_OBJECTS_TRANSPARENCY, Act::Slide, 60, object(2, VTA_TRANSPARENCY), 60},
      {IDC_OBJECTS_PATH_ROTATION, Act::Slide, 90, object(2, VTA_PATH_ROTATION), 90},
      {IDC_OBJECTS_ROTATES_WITH_PATH, Act::Click, 0, object(2, VTA_ROTATES_WITH_PATH), 1},
      {IDC_OBJECTS_TRAIL_COUNT, Act::Slide, 7, object(2, VTA_TRAIL_COUNT), 7},
      {IDC_OBJECTS_TRAIL_SPACING, Act::Slide, 5, object(2, VTA_TRAIL_SPACING), 5}};
  const auto entry = [](int element) { return VTA_OBJECT_PARAM_INDEX(2, element); };
  run(2, [&](HWND sheet, HWND page) {
    choose(page, IDC_OBJECTS_OBJECT_LIST, 2);
    expectEachControlWritesItsOwnValue(page, rows, recordReals());
    captureWindow(sheet, screenshotPath("objects_page_set"));
    expectEachEButtonAnimatesItsValue(
        sheet, page, record_,
        {{IDC_OBJECTS_LUMINOSITY_ENVELOPE, IDC_OBJECTS_LUMINOSITY, entry(VTA_LUMINOSITY), "100%"},
         {IDC_OBJECTS_SHINE_ENVELOPE, IDC_OBJECTS_SHINE, entry(VTA_SHINE), "100%"},
         {IDC_OBJECTS_TRANSPARENCY_ENVELOPE, IDC_OBJECTS_TRANSPARENCY, entry(VTA_TRANSPARENCY),
          "100%"},
         {IDC_OBJECTS_PATH_ROTATION_ENVELOPE, IDC_OBJECTS_PATH_ROTATION, entry(VTA_PATH_ROTATION),
          "360"},
         {IDC_OBJECTS_ROTATES_WITH_PATH_ENVELOPE, IDC_OBJECTS_ROTATES_WITH_PATH,
          entry(VTA_ROTATES_WITH_PATH), "1"},
         {IDC_OBJECTS_TRAIL_COUNT_ENVELOPE, IDC_OBJECTS_TRAIL_COUNT, entry(VTA_TRAIL_COUNT), "20"},
         {IDC_OBJECTS_TRAIL_SPACING_ENVELOPE, IDC_OBJECTS_TRAIL_SPACING, entry(VTA_TRAIL_SPACING),
          "20"}});
  });
}

// The Settings page writes preferences, each to its own stored value; the
// first click stores them all, so the table starts after one.
TEST_F(PageControlsTest, SettingsPage) {
  installation_.write("LIBS\\Rnd_OpenGL.DLL", "not a module");
  RegistryValue display{"Eff_Display"}, quality{"Prev_Quality"}, frames{"Prev_Frames"},
      automatic{"Prev_Render"}, speed{"Prev_Speed"}, logging{"Rnd_Logging"},
      multithreaded{"Rnd_Multi"}, engine{"Engine"}, previewEngine{"Prev_Engine"};
  const std::vector<RegistryValue*> stored = {&display,   &reverse_, &quality, &frames,
                                              &automatic, &speed,    &logging, &multithreaded};
  for (RegistryValue* value : stored) value->remove();
  previewEngine.remove();
  engine.setText("Rnd_OpenGL");
  const Snapshot preferences = [&] {
    std::vector<double> numbers;
    for (const RegistryValue* value : stored) numbers.push_back(value->number());
    return numbers;
  };
  const std::vector<ControlRow> rows = {{IDC_SETTINGS_SHOW_BOTH, Act::Click, 0, 0, 2},
                                        {IDC_SETTINGS_SHOW_NAME, Act::Click, 0, 0, 1},
                                        {IDC_SETTINGS_AUTO_REVERSE, Act::Click, 0, 1, 1},
                                        {IDC_SETTINGS_PREVIEW_HIGH, Act::Click, 0, 2, 2},
                                        {IDC_SETTINGS_PREVIEW_MEDIUM, Act::Click, 0, 2, 1},
                                        {IDC_SETTINGS_PREVIEW_FRAMES, Act::Slide, 40, 3, 40},
                                        {IDC_SETTINGS_AUTO_PREVIEW, Act::Click, 0, 4, 1},
                                        {IDC_SETTINGS_PREVIEW_SPEED, Act::Slide, 20, 5, 20},
                                        {IDC_SETTINGS_LOGGING_DETAILED, Act::Click, 0, 6, 2},
                                        {IDC_SETTINGS_LOGGING_SUMMARY, Act::Click, 0, 6, 1},
                                        {IDC_SETTINGS_MULTITHREADED, Act::Click, 0, 7, 1},
                                        {IDC_SETTINGS_AUTO_PREVIEW, Act::Click, 0, 4, 0}};
  run(3, [&](HWND sheet, HWND page) {
    clickButton(page, IDC_SETTINGS_SHOW_ICON);
    ASSERT_TRUE(waitUntil([&] { return display.number() == 0 && multithreaded.number() == 0; }));
    expectEachControlWritesItsOwnValue(page, rows, preferences);
    captureWindow(sheet, screenshotPath("settings_page_set"));
  });
}

}  // namespace
}  // namespace vta::test
