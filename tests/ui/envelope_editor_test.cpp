// The envelope editor opened through its own entry, as a page opens it, on
// the library's templates linked into this program: the envelope it finds
// or makes, the key fields and buttons, the mouse on the graph, envelope
// files, undo, copy and paste and the keyboard on the graph (typed through
// the system's input queue), and what OK, Cancel and Remove leave in the
// record.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "curves/kb_spline.h"
#include "file_dialog_answer.h"
#include "model/files/envelope_file.h"
#include "pane_observers.h"
#include "ui/editors/envelope_editor.h"
#include "pane_page_fixture.h"
#include "screen_pixels.h"
#include "temp_folder.h"
#include "input_driver.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr int kRemove = 3, kNext = 4, kPrevious = 5, kCreate = 6, kDelete = 7, kLoad = 8, kSave = 9;
constexpr int kGroup = 1091, kValue = 1092, kTension = 1093, kContinuity = 1097, kBias = 1098;
constexpr int kTime = 1201, kGraph = 1102;
const EnvelopeScale kPercent{0, 100, 1, 10, true};
const EnvelopeScale kDegrees{0, 360, 1, 30, false};

// The drawing rectangle of the graph in the dialog's client coordinates.
RECT graphArea(HWND editor) {
  RECT area;
  HWND graph = GetDlgItem(editor, kGraph);
  GetClientRect(graph, &area);
  MapWindowPoints(graph, editor, reinterpret_cast<POINT*>(&area), 2);
  return {area.left + 1, area.top + 1, area.right - 2, area.bottom - 2};
}

POINT pointAt(HWND editor, float t, float share) {
  const RECT a = graphArea(editor);
  return {a.left + static_cast<LONG>((a.right - a.left) * t),
          a.bottom - static_cast<LONG>((a.bottom - a.top) * share + 0.5f)};
}

void mouse(HWND editor, UINT message, POINT at) {
  SendMessageA(editor, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(at.x, at.y));
}

void press(HWND editor, POINT down, POINT up) {
  mouse(editor, WM_LBUTTONDOWN, down);
  mouse(editor, WM_MOUSEMOVE, up);
  mouse(editor, WM_LBUTTONUP, up);
}

// Types into an edit box the way a user does: focus in, new text, focus out.
void typeInto(HWND editor, int id, const char* text) {
  focusControl(editor, id);
  SetDlgItemTextA(editor, id, text);
  focusControl(editor, kTime);
}

// Types keys into the editor and waits until what the dialog shows says they
// were handled.
bool typedUntil(HWND editor, std::initializer_list<UINT> keys,
                const std::function<bool()>& handled) {
  typeKeys(editor, keys);
  return waitUntil(handled);
}

// How many pixels of the graph's top inner row are not the background: the
// grid lines alone, or also every other pixel of a focus rectangle.
int marksOnTopEdge(HWND editor) {
  const RECT a = graphArea(editor);
  int marks = 0;
  for (LONG x = a.left; x < a.right; ++x)
    marks += screenColourAt(editor, {x, a.top}) != GetSysColor(COLOR_BTNFACE) ? 1 : 0;
  return marks;
}

EnvelopeComponent* envelopeOf(EffectSettings& record, uint16_t parameter) {
  return record.description.findEnvelope(0, parameter);
}

class EnvelopeEditorTest : public ::testing::Test {
 protected:
  void SetUp() override { useLinkedLibrary(); }

  // Opens the editor titled title on record's parameter while drive works
  // it; OK closes it unless drive did. Fails when the dialog does not appear.
  void edit(const EnvelopeScale& scale, float defaultValue, uint16_t parameter, const char* title,
            const std::function<void(HWND)>& drive) {
    EnvelopeEditor editor(sheet_.context, title, scale, defaultValue, 0, parameter);
    ASSERT_TRUE(driveThenOk(
        title, [&] { editor.openEnvelopeEditor(nullptr); }, drive))
        << "the envelope editor did not appear";
  }
  void edit(const EnvelopeScale& scale, float defaultValue, uint16_t parameter,
            const std::function<void(HWND)>& drive) {
    edit(scale, defaultValue, parameter, "Shadows", drive);
  }

  // An envelope of the record with keys at these whole percents and values.
  EnvelopeComponent* giveEnvelope(uint16_t parameter,
                                  std::initializer_list<std::pair<int, float>> keys) {
    auto* envelope = makeComponent<EnvelopeComponent>(40001, 0.0f, 1.0f, 0, 0);
    envelope->parameterIndex = parameter;
    for (const auto& [percent, value] : keys) {
      envelope->insertKey({keyTimeFromPercent(percent), value, 0, 0, 0, 0, 0});
    }
    record_.description.lists[kEnvelopes].append(envelope);
    return envelope;
  }

  // The keys of the record's envelope of parameter; none without one.
  uint32_t keyCount(uint16_t parameter) {
    const EnvelopeComponent* envelope = envelopeOf(record_, parameter);
    return envelope ? envelope->keyCount : 0;
  }

  EffectSettings record_;
  TestSheet sheet_{record_};
};

TEST_F(EnvelopeEditorTest, ANewEnvelopeKeysFromTheBoxesOkCancelAndRemove) {
  record_.globalParams[VTA_SHADOWS] = 30;
  edit(kPercent, 30, VTA_SHADOWS, [&](HWND editor) {
    EnvelopeComponent* made = envelopeOf(record_, VTA_SHADOWS);
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(40001, made->id);
    ASSERT_EQ(2u, made->keyCount);
    EXPECT_EQ(30.0f, made->keys[0].value);
    EXPECT_EQ(30.0f, made->keys[1].value);
    EXPECT_EQ("Value at 0% * KEY *", controlText(editor, kGroup));
    EXPECT_EQ("30%", controlText(editor, kValue));
    EXPECT_FALSE(enabled(editor, kPrevious));
    EXPECT_FALSE(enabled(editor, kDelete));
    EXPECT_TRUE(enabled(editor, kNext));
    captureWindow(editor, screenshotPath("envelope_editor_new"));
    moveTrackbar(editor, kTime, 100);
    EXPECT_FALSE(enabled(editor, kNext));
    EXPECT_FALSE(enabled(editor, kDelete));
    EXPECT_TRUE(enabled(editor, kPrevious));
    closeWith(editor, IDCANCEL);
  });
  EXPECT_EQ(0u, record_.description.lists[kEnvelopes].count)
      << "Cancel leaves the record as it was";

  edit(kPercent, 0, VTA_SHADOWS, [&](HWND editor) {
    moveTrackbar(editor, kTime, 40);
    EXPECT_EQ("Value at 40%", controlText(editor, kGroup));
    SetDlgItemTextA(editor, kValue, "60");
    sendClick(editor, kCreate);
    EXPECT_EQ("Value at 40% * KEY *", controlText(editor, kGroup));
    EXPECT_TRUE(enabled(editor, kDelete));
    sendClick(editor, kNext);
    EXPECT_EQ(100, slider(editor, kTime));
    sendClick(editor, kPrevious);
    sendClick(editor, kPrevious);
    EXPECT_EQ(0, slider(editor, kTime));
  });
  EnvelopeComponent* kept = envelopeOf(record_, VTA_SHADOWS);
  ASSERT_NE(nullptr, kept);
  ASSERT_EQ(3u, kept->keyCount);
  EXPECT_EQ(keyTimeFromPercent(40), kept->keys[1].time);
  EXPECT_EQ(60.0f, kept->keys[1].value);

  edit(kPercent, 0, VTA_SHADOWS, [&](HWND editor) {
    moveTrackbar(editor, kTime, 40);
    sendClick(editor, kDelete);
    EXPECT_EQ("Value at 40%", controlText(editor, kGroup));
    closeWith(editor, IDCANCEL);
  });
  ASSERT_EQ(3u, keyCount(VTA_SHADOWS)) << "Cancel restores the keys";

  edit(kPercent, 0, VTA_SHADOWS, [&](HWND editor) { closeWith(editor, kRemove); });
  EXPECT_EQ(nullptr, envelopeOf(record_, VTA_SHADOWS));
}

// A number outside the range, or too large for a key's field (which would
// make the curve NaN), is refused with the range; the keys stay as they were.
TEST_F(EnvelopeEditorTest, AValueOutsideTheRangeIsRefusedWithTheRange) {
  const struct {
    int box;
    const char* text;
  } cases[] = {{kValue, "150"}, {kValue, "1e39"}, {kTension, "1e39"}, {kContinuity, "-1e39"},
               {kBias, "1e39"}};
  for (const auto& c : cases) {
    std::string message;
    edit(kPercent, 0, VTA_SHADOWS, [&](HWND editor) {
      moveTrackbar(editor, kTime, 50);
      SetDlgItemTextA(editor, c.box, c.text);
      clickButton(editor, kCreate);
      message = answerMessageBox("Problem with value");
    });
    EXPECT_EQ("Value must be between 0% and 100%", message) << c.text;
    EXPECT_EQ(2u, keyCount(VTA_SHADOWS)) << c.text;
  }
}

// A box applies to the key at the slider, between keys to nothing, and only
// when the user changed its text: a box the editor rewrote is no edit.
TEST_F(EnvelopeEditorTest, ABoxChangesOnlyAKeyAndOnlyWhenTheUserChangedIt) {
  EnvelopeComponent* envelope =
      giveEnvelope(VTA_LIGHT_DIRECTION, {{0, 12.345678f}, {50, 98.765432f}, {100, 0}});
  edit(kDegrees, 0, VTA_LIGHT_DIRECTION, "Light Direction", [&](HWND editor) {
    focusControl(editor, kValue);
    moveTrackbar(editor, kTime, 50);  // the box, still focused, now shows the key at 50 %
    ASSERT_EQ("98.7654", controlText(editor, kValue));
    focusControl(editor, kTime);
    EXPECT_EQ(98.765432f, envelope->keys[1].value) << "not rounded to what the box shows";
    EXPECT_EQ(12.345678f, envelope->keys[0].value);
    typeInto(editor, kTension, "0.5");
    EXPECT_EQ(0.5f, envelope->keys[1].tension);
    moveTrackbar(editor, kTime, 30);
    typeInto(editor, kTension, "0.7");
    EXPECT_EQ(3u, envelope->keyCount);
  });
}

TEST_F(EnvelopeEditorTest, TheMouseGrabsMakesAndDragsKeys) {
  EnvelopeComponent* envelope = giveEnvelope(VTA_LIGHT_DIRECTION, {{0, 0}, {50, 180}, {100, 350}});
  envelope->keys[2].linear = 1;
  envelope->keys[2].tension = 0.25f;
  edit(kDegrees, 0, VTA_LIGHT_DIRECTION, "Light Direction", [&](HWND editor) {
    const RECT a = graphArea(editor);
    press(editor, {a.right, a.top}, {a.right, a.top});
    EXPECT_EQ(360.0f, envelope->keys[2].value) << "the graph's corner is time 1 and the top";

    press(editor, pointAt(editor, 0.5f, 190.0f / 360), pointAt(editor, 0.5f, 190.0f / 360));
    EXPECT_EQ(3u, envelope->keyCount) << "10 above the key grabs it";
    EXPECT_EQ(190.0f, envelope->keys[1].value);

    press(editor, pointAt(editor, 0.52f, 0.1f), pointAt(editor, 0.52f, 0.1f));
    ASSERT_EQ(4u, envelope->keyCount) << "beside the key but far in value: a new key";
    EXPECT_EQ(keyTimeFromPercent(52), envelope->keys[2].time);
    EXPECT_EQ(1, envelope->keys[2].linear) << "it carries the last key's spline fields";
    EXPECT_EQ(0.25f, envelope->keys[2].tension);

    press(editor, pointAt(editor, 0.0f, 0.0f), {a.right + 50, a.top - 50});
    EXPECT_EQ(0.0f, envelope->keys[0].time) << "a drag never moves a key in time";
    EXPECT_EQ(360.0f, envelope->keys[0].value) << "and keeps to the graph's edges";

    press(editor, {a.left - 20, a.bottom + 20}, {a.left - 20, a.bottom + 20});
    EXPECT_EQ(4u, envelope->keyCount) << "a press outside does nothing";
    captureWindow(editor, screenshotPath("envelope_editor_angle"));
  });
}

// The graph shows key squares on the curve and the time cursor at the
// slider. Next and Previous always move, also to and from keys between whole
// percents (loaded from a file), and the time cursor is erased where it was
// drawn: what the graph shows then is what a fresh drawing shows.
TEST_F(EnvelopeEditorTest, TheGraphShowsKeysAndCursorStepsMovePastKeysBetweenWholePercents) {
  EnvelopeComponent* envelope = giveEnvelope(VTA_SHADOWS, {{0, 0}, {50, 60}, {100, 20}});
  envelope->insertKey({0.333f, 40, 0, 0, 0, 0, 0});
  envelope->insertKey({0.737f, 30, 0, 0, 0, 0, 0});
  edit(kPercent, 0, VTA_SHADOWS, [&](HWND editor) {
    moveTrackbar(editor, kTime, 45);
    captureWindow(editor, screenshotPath("envelope_editor_percent"));
    const POINT key = pointAt(editor, 0.5f, 0.6f);
    EXPECT_EQ(RGB(0, 0, 0), screenColourAt(editor, {key.x - 2, key.y - 2})) << "the key square";
    EXPECT_EQ(RGB(0, 0, 0), screenColourAt(editor, {key.x + 2, key.y + 2}));
    const POINT cursor = pointAt(editor, 0.45f, 0.1f);
    EXPECT_NE(screenColourAt(editor, cursor), screenColourAt(editor, {cursor.x + 3, cursor.y}))
        << "the cursor line at 45%";
    const struct {
      int from, button, to;
    } steps[] = {{32, kNext, 33}, {33, kNext, 50}, {75, kPrevious, 74}, {74, kPrevious, 50}};
    for (const auto& step : steps) {
      if (slider(editor, kTime) != step.from) moveTrackbar(editor, kTime, step.from);
      sendClick(editor, step.button);
      EXPECT_EQ(step.to, slider(editor, kTime)) << "from " << step.from;
    }
    moveTrackbar(editor, kTime, 75);
    sendClick(editor, kPrevious);
    const std::vector<COLORREF> shown = screenPixels(GetDlgItem(editor, kGraph)).colours;
    SendMessageA(editor, WM_PAINT, 0, 0);
    EXPECT_TRUE(shown == screenPixels(GetDlgItem(editor, kGraph)).colours)
        << "the cursor drawn at the key's time was left";
  });
}

// A morph envelope's range is the effect's frame count: its grid keeps to
// what the graph can show, and the grid reads against the background.
TEST_F(EnvelopeEditorTest, TheGridKeepsToWhatTheGraphShowsAndStandsOut) {
  const EnvelopeScale frames{0, 50000000, 0.1f, 1, false};
  edit(frames, 0, VTA_SHADOWS, "Object Morph Envelope", [&](HWND editor) {
    captureWindow(editor, screenshotPath("envelope_editor_frames"));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const POINT line = pointAt(editor, 0.3f, 0.45f);
    int contrast = 0;
    for (LONG x : {line.x - 1, line.x, line.x + 1}) {
      const COLORREF c = screenColourAt(editor, {x, line.y});
      contrast = std::max(contrast, std::abs(GetRValue(c) - GetRValue(face)) +
                                        std::abs(GetGValue(c) - GetGValue(face)) +
                                        std::abs(GetBValue(c) - GetBValue(face)));
    }
    EXPECT_GE(contrast, 90) << "the grid line at 30%";
  });
}

TEST_F(EnvelopeEditorTest, UndoTakesBackAWholeDragExactlyAndRedoAppliesItAgain) {
  EnvelopeComponent* envelope =
      giveEnvelope(VTA_LIGHT_DIRECTION, {{0, 0}, {50, 123.45f}, {100, 350}});
  float dragged = 0;
  edit(kDegrees, 0, VTA_LIGHT_DIRECTION, "Light Direction", [&](HWND editor) {
    mouse(editor, WM_LBUTTONDOWN, pointAt(editor, 0.5f, 123.45f / 360));
    mouse(editor, WM_MOUSEMOVE, pointAt(editor, 0.5f, 0.5f));
    mouse(editor, WM_MOUSEMOVE, pointAt(editor, 0.5f, 0.75f));
    mouse(editor, WM_LBUTTONUP, pointAt(editor, 0.5f, 0.75f));
    dragged = envelope->keys[1].value;
    ASSERT_GT(dragged, 260.0f);
    char draggedText[16];
    std::snprintf(draggedText, sizeof draggedText, "%g", dragged);
    ASSERT_TRUE(typedUntil(editor, {VK_CONTROL, 'Z'}, [&] {
      return controlText(editor, kValue) == "123.45";
    })) << "one undo takes back the press and every move";
    EXPECT_EQ(123.45f, envelope->keys[1].value);
    ASSERT_TRUE(typedUntil(editor, {VK_CONTROL, 'Y'},
                           [&] { return controlText(editor, kValue) == draggedText; }));
    ASSERT_TRUE(typedUntil(editor, {VK_CONTROL, 'Z'},
                           [&] { return controlText(editor, kValue) == "123.45"; }));
    ASSERT_TRUE(typedUntil(editor, {VK_CONTROL, VK_SHIFT, 'Z'},
                           [&] { return controlText(editor, kValue) == draggedText; }));
  });
  const EnvelopeComponent* kept = envelopeOf(record_, VTA_LIGHT_DIRECTION);
  ASSERT_TRUE(kept && kept->keyCount == 3);
  EXPECT_EQ(dragged, kept->keys[1].value);
}

TEST_F(EnvelopeEditorTest, UndoRemovesACreatedKeyANewEditDropsRedoCancelGivesBackTheOpening) {
  EnvelopeComponent* envelope = giveEnvelope(VTA_SHADOWS, {{0, 10}, {100, 20}});
  const std::string opening = keyBytes(*envelope);
  edit(kPercent, 0, VTA_SHADOWS, [&](HWND editor) {
    moveTrackbar(editor, kTime, 40);
    SetDlgItemTextA(editor, kValue, "60");
    sendClick(editor, kCreate);
    ASSERT_EQ(3u, envelope->keyCount);
    ASSERT_TRUE(typedUntil(editor, {VK_CONTROL, 'Z'},
                           [&] { return controlText(editor, kGroup) == "Value at 40%"; }));
    EXPECT_EQ(2u, envelope->keyCount);
    EXPECT_TRUE(enabled(editor, kCreate)) << "the buttons follow the undone keys";
    EXPECT_FALSE(enabled(editor, kDelete));
    ASSERT_TRUE(typedUntil(editor, {VK_CONTROL, 'Y'},
                           [&] { return controlText(editor, kGroup) == "Value at 40% * KEY *"; }));
    EXPECT_TRUE(enabled(editor, kDelete));
    EXPECT_EQ("60%", controlText(editor, kValue));
    ASSERT_TRUE(typedUntil(editor, {VK_CONTROL, 'Z'},
                           [&] { return controlText(editor, kGroup) == "Value at 40%"; }));

    press(editor, pointAt(editor, 0.7f, 0.3f), pointAt(editor, 0.7f, 0.3f));
    ASSERT_EQ(3u, envelope->keyCount);
    // Page Down on the graph the press focused shows when the redo was handled.
    typeKeys(editor, {VK_CONTROL, 'Y'});
    ASSERT_TRUE(typedUntil(editor, {VK_NEXT}, [&] { return slider(editor, kTime) == 80; }));
    ASSERT_EQ(3u, envelope->keyCount) << "nothing left to redo after the press";
    EXPECT_EQ(keyTimeFromPercent(70), envelope->keys[1].time);
    closeWith(editor, IDCANCEL);
  });
  EXPECT_EQ(opening, keyBytes(*envelopeOf(record_, VTA_SHADOWS)));
}

TEST_F(EnvelopeEditorTest, AKeyCopiedInOneEditorPastesClampedIntoAnotherAndOverAKey) {
  EnvelopeComponent* source = giveEnvelope(VTA_LIGHT_DIRECTION, {{0, 0}, {50, 300}, {100, 0}});
  source->keys[1].tension = 0.5f;
  source->keys[1].linear = 1;
  edit(kDegrees, 0, VTA_LIGHT_DIRECTION, "Light Direction", [&](HWND editor) {
    moveTrackbar(editor, kTime, 50);
    typeKeys(editor, {VK_CONTROL, 'C'});
    EXPECT_TRUE(
        waitUntil([&] { return sheet_.session.copiedKey().kind == CopiedKey::Kind::kEnvelope; }));
  });
  EnvelopeComponent* target = giveEnvelope(VTA_SHADOWS, {{0, 0}, {100, 0}});
  edit(kPercent, 0, VTA_SHADOWS, [&](HWND editor) {
    moveTrackbar(editor, kTime, 30);
    ASSERT_TRUE(typedUntil(editor, {VK_CONTROL, 'V'},
                           [&] { return controlText(editor, kGroup) == "Value at 30% * KEY *"; }));
    ASSERT_EQ(3u, target->keyCount);
    EXPECT_EQ(keyTimeFromPercent(30), target->keys[1].time);
    EXPECT_EQ(100.0f, target->keys[1].value) << "300 clamped to the 0 to 100 range";
    EXPECT_EQ(0.5f, target->keys[1].tension);
    EXPECT_EQ(1, target->keys[1].linear);
    moveTrackbar(editor, kTime, 100);
    ASSERT_TRUE(typedUntil(editor, {VK_CONTROL, 'V'},
                           [&] { return controlText(editor, kValue) == "100%"; }));
    EXPECT_EQ(3u, target->keyCount) << "the pasted key replaces the one at 100%";
    EXPECT_EQ(1.0f, target->keys[2].time);
    EXPECT_EQ(1, target->keys[2].linear);
  });
}

TEST_F(EnvelopeEditorTest, TheClickedGraphTakesTheKeyboardStepsChangesAndDeletesKeys) {
  EnvelopeComponent* envelope = giveEnvelope(VTA_SHADOWS, {{0, 0}, {30, 50}, {60, 100}, {100, 80}});
  const float defaultValue = 25;
  edit(kPercent, defaultValue, VTA_SHADOWS, [&](HWND editor) {
    EXPECT_TRUE(tabReaches(editor, kGraph));
    // At the first key's time but far from its value, a press changes no key.
    press(editor, pointAt(editor, 0.0f, 0.9f), pointAt(editor, 0.0f, 0.9f));
    EXPECT_EQ(GetDlgItem(editor, kGraph), focusOf(editor));
    EXPECT_EQ(4u, envelope->keyCount);
    captureWindow(editor, screenshotPath("envelope_editor_focused_graph"));

    // Each stroke, then the slider, the value box (unless between keys) and
    // the key count; a stroke that changes nothing shows in the next one.
    const struct {
      std::initializer_list<UINT> keys;
      int slider;
      const char* value;
      int keyCount;
    } strokes[] = {{{VK_RIGHT}, 30, "50%", 4},         {{VK_RIGHT}, 60, "100%", 4},
                   {{VK_RIGHT}, 100, "80%", 4},        {{VK_RIGHT}, 100, "80%", 4},
                   {{VK_LEFT}, 60, "100%", 4},         {{VK_UP}, 60, "100%", 4},
                   {{VK_LEFT}, 30, "50%", 4},          {{VK_UP}, 30, "51%", 4},
                   {{VK_SHIFT, VK_DOWN}, 30, "41%", 4}, {{VK_NEXT}, 40, nullptr, 4},
                   {{VK_PRIOR}, 30, "41%", 4},         {{VK_DELETE}, 30, nullptr, 3},
                   {{VK_LEFT}, 0, "0%", 3},            {{VK_LEFT}, 0, "0%", 3},
                   {{VK_RIGHT}, 60, "100%", 3},        {{VK_RIGHT}, 100, "80%", 3},
                   {{VK_DELETE}, 100, "25%", 3}};
    for (const auto& stroke : strokes) {
      ASSERT_TRUE(typedUntil(editor, stroke.keys, [&] {
        return slider(editor, kTime) == stroke.slider &&
               int(envelope->keyCount) == stroke.keyCount &&
               (!stroke.value || controlText(editor, kValue) == stroke.value);
      })) << "to " << stroke.slider << " " << (stroke.value ? stroke.value : "");
    }
    EXPECT_EQ(1.0f, envelope->keys[2].time) << "an end key stays";
    EXPECT_EQ(defaultValue, envelope->keys[2].value);

    // With the focus elsewhere the graph's top row keeps only its grid and
    // curve; the display may show GDI's drawing a moment later.
    const int focusedMarks = marksOnTopEdge(editor);
    focusControl(editor, kTime);
    EXPECT_TRUE(waitUntil([&] { return marksOnTopEdge(editor) < focusedMarks - 50; }))
        << "the focus rectangle goes with the focus";
  });
}

// Shift drags a key in time, 0.1 % a pixel (with Ctrl whole percents),
// between its neighbours and never onto one; the end keys keep their times.
// The readout says the value and time; one undo takes back each drag.
TEST_F(EnvelopeEditorTest, ShiftDragsAKeyInTimeBetweenItsNeighbours) {
  EnvelopeComponent* envelope = giveEnvelope(VTA_SHADOWS, {{0, 20}, {50, 50}, {80, 20}, {100, 80}});
  const struct {
    int key, dx;  // the key dragged and how far across
    std::initializer_list<UINT> held;
    float time;
    const char* readout;
  } drags[] = {{1, 123, {VK_SHIFT}, 0.623f, "50% at 62.3%"},
               {1, 300, {VK_SHIFT}, 0.799f, "50% at 79.9%"},
               {1, -5, {VK_CONTROL, VK_SHIFT}, 0.75f, "50% at 75.0%"},
               {0, 40, {VK_SHIFT}, 0.0f, "20% at 0.0%"},
               {3, -40, {VK_SHIFT}, 1.0f, "80% at 100.0%"}};
  edit(kPercent, 0, VTA_SHADOWS, [&](HWND editor) {
    for (const auto& d : drags) {
      const EnvelopeKey& key = envelope->keys[d.key];
      const POINT from = pointAt(editor, key.time, key.value / 100);
      const auto moved = [&] { return envelope->keys[d.key].time == d.time; };
      EXPECT_EQ(d.readout, dragWatching(editor, from, {from.x + d.dx, from.y}, d.held, "Static",
                                        moved));
      EXPECT_TRUE(moved()) << d.readout;
    }
    captureWindow(editor, screenshotPath("envelope_editor_time_drag"));
    for (float undone : {0.799f, 0.623f, 0.5f}) {
      EXPECT_TRUE(typedUntil(editor, {VK_CONTROL, 'Z'}, [&] {
        return envelope->keys[1].time == undone;
      })) << undone;
    }
  });
}

TEST_F(EnvelopeEditorTest, LoadTakesOnlyTheKeysAndAKeylessFileIsRefused) {
  const TempFolder folder;
  const std::string file = folder.file("editor_test.env");
  ASSERT_TRUE(answerFileDialogs(GetModuleHandleA(nullptr), file));
  giveEnvelope(VTA_BLUR_PERCENT, {{0, 10}, {30, 90}, {100, 10}});
  edit(kPercent, 0, VTA_BLUR_PERCENT, "Blur", [&](HWND editor) {
    sendClick(editor, kSave);
    EXPECT_EQ("Save An Envelope", g_lastFileDialogTitle);
  });
  edit(kPercent, 50, VTA_SHADOWS, [&](HWND editor) {
    sendClick(editor, kLoad);
    EXPECT_EQ("Load An Envelope", g_lastFileDialogTitle);
  });
  EnvelopeComponent* loaded = envelopeOf(record_, VTA_SHADOWS);
  ASSERT_NE(nullptr, loaded);
  EXPECT_EQ(3u, loaded->keyCount);
  EXPECT_EQ(90.0f, loaded->keys[1].value);
  EXPECT_EQ(40002, loaded->id) << "id, owner and parameter stay";

  EnvelopeComponent* keyless = makeComponent<EnvelopeComponent>(1, 0.0f, 1.0f, 0, 0);
  ASSERT_EQ(CurveFileResult::kDone, saveEnvelopeFile(file.c_str(), *keyless));
  keyless->destroy(true);
  std::string message;
  edit(kPercent, 50, VTA_SHADOWS, [&](HWND editor) {
    clickButton(editor, kLoad);
    message = answerMessageBox("File Error");
  });
  EXPECT_EQ("Could not read envelope from disk", message);
  EXPECT_EQ(3u, keyCount(VTA_SHADOWS));
}

}  // namespace
}  // namespace vta::test
