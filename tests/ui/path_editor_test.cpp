// The path editor opened through its own entry, as the Objects page opens
// it, on the library's templates linked into this program: the key fields,
// stepping, the limits, dragging, path files, undo, copy and paste (typed
// through the system's input queue), and what OK, Cancel and Remove leave in
// the record.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "curves/kb_spline.h"
#include "file_dialog_answer.h"
#include "pane_observers.h"
#include "model/files/path_file.h"
#include "platform/chunk_file.h"
#include "process_figures.h"
#include "ui/editors/path_editor.h"
#include "pane_page_fixture.h"
#include "path_editor_ids.h"
#include "screen_pixels.h"
#include "temp_folder.h"
#include "input_driver.h"
#include "window_driver.h"

namespace vta::test {
namespace {

constexpr char kCaption[] = "Path Editor";
constexpr uint16_t kObjectId = 9;
constexpr int kRemove = 3, kNext = 4, kPrevious = 5, kCreate = 6, kDelete = 7, kCopy = 8, kLoad = 9;
constexpr int kGroup = 1091, kPositionX = 1094, kRotationX = 1095, kScaleX = 1096, kAxisY = 1125;
constexpr int kTime = 1201, kTop = 1138, kView = 1128, kKeyTime = 1141, kPositionZ = 1101;

// A drag with the left button from (20, 20) by (dx, dy) in the dialog's own
// area.
void drag(HWND editor, int dx, int dy) {
  const int x = 20, y = 20;
  SendMessageA(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(editor, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx, y + dy));
  SendMessageA(editor, WM_LBUTTONUP, 0, MAKELPARAM(x + dx, y + dy));
}

PathKey keyAt(float time, float x) {
  PathKey key{};
  key.time = time;
  key.positionX = x;
  key.scaleX = key.scaleY = key.scaleZ = 1;
  return key;
}

class PathEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    useLinkedLibrary();
    path_ = makeComponent<PathComponent>(30, 0.0f, 1.0f, kObjectId, 0);
    for (const PathKey& key :
         {keyAt(0, 0), keyAt(0.5f, 10), keyAt(0.505f, 11), keyAt(0.8f, 20), keyAt(1, 30)}) {
      path_->insertKey(key);
    }
    record_.description.lists[kPaths].append(path_);
  }

  // Opens the editor on the object's path while drive works it; OK closes it
  // unless drive did. Fails when the dialog does not appear.
  void edit(const std::function<void(HWND)>& drive, uint16_t objectId = kObjectId) {
    PathEditor editor(sheet_.context);
    editor.setObjectId(objectId);
    ASSERT_TRUE(driveThenOk(
        kCaption, [&] { editor.openPathEditor(nullptr); }, drive))
        << "the path editor did not appear";
  }

  EffectSettings record_;
  TestSheet sheet_{record_};
  PathComponent* path_ = nullptr;
};

// Then a typed position or scale out of range is refused, a rotation is not.
TEST_F(PathEditorTest, TheFieldsShowTheKeyOrThePathAtTheSlidersTimeAndAreLimited) {
  std::string message;
  edit([&](HWND editor) {
    EXPECT_EQ("Values at 0% * KEY *", controlText(editor, kGroup));
    EXPECT_FALSE(enabled(editor, kPrevious));
    EXPECT_FALSE(enabled(editor, kDelete));
    captureWindow(editor, screenshotPath("path_editor_camera"));
    moveTrackbar(editor, kTime, 37);
    EXPECT_EQ("Values at 37%", controlText(editor, kGroup));
    EXPECT_TRUE(enabled(editor, kCreate));
    EXPECT_FALSE(enabled(editor, kDelete));
    EXPECT_FALSE(enabled(editor, kCopy));
    PathKey expected{};
    path_->evaluate(keyTimeFromPercent(37), expected);
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", expected.positionX);
    EXPECT_EQ(shown, controlText(editor, kPositionX));
    moveTrackbar(editor, kTime, 50);
    sendClick(editor, kNext);
    EXPECT_EQ(80, slider(editor, kTime)) << "the key at 0.505 is skipped";
    sendClick(editor, kPrevious);
    EXPECT_EQ(51, slider(editor, kTime)) << "0.505 is 51% when stepped to from beyond";
    sendClick(editor, kTop);
    captureWindow(editor, screenshotPath("path_editor_top"));

    moveTrackbar(editor, kTime, 30);
    SetDlgItemTextA(editor, kScaleX, "2500");
    clickButton(editor, kCreate);
    message = answerMessageBox("Problem with value");
    EXPECT_EQ(5u, path_->keyCount) << "nothing stored";
    // A press stores the typed values first; refused, it starts no drag.
    const std::string keys = keyBytes(*path_);
    PostMessageA(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ("Value must be between -2000 and 2000", answerMessageBox("Problem with value"));
    SendMessageA(editor, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(70, 90));
    EXPECT_EQ(keys, keyBytes(*path_));
    SetDlgItemTextA(editor, kScaleX, "1");
    SetDlgItemTextA(editor, kRotationX, "2500");
    sendClick(editor, kCreate);
    EXPECT_EQ(6u, path_->keyCount);
    EXPECT_EQ(2500.0f, path_->keys[1].rotationX);
  });
  EXPECT_EQ("Value must be between -2000 and 2000", message);
}

// A key is at the slider exactly when the boxes show it: a box edit or
// Create there stores over it (keeping its time); a key a percent away, or
// 0.007 away, is another key, and Create makes a new one beside it.
TEST_F(PathEditorTest, AKeyIsAtTheSliderExactlyWhenTheBoxesSaySo) {
  const struct {
    float keyTime;
    int slider;
    bool atSlider;
  } cases[] = {{0.503f, 50, true}, {0.507f, 50, false}, {0.5f, 51, false}, {0.0f, 1, false}};
  for (const auto& c : cases) {
    path_->setKeyCount(0);
    for (float t : {0.0f, 0.8f, 1.0f}) path_->insertKey(keyAt(t, 20));
    if (c.keyTime != 0.0f) path_->insertKey(keyAt(c.keyTime, 10));
    const uint32_t count = path_->keyCount;
    edit([&](HWND editor) {
      moveTrackbar(editor, kTime, c.slider);
      const std::string shown = "Values at " + std::to_string(c.slider) + "%";
      EXPECT_EQ(c.atSlider ? shown + " * KEY *" : shown, controlText(editor, kGroup));
      EXPECT_EQ(!c.atSlider, enabled(editor, kCreate));
      focusControl(editor, kPositionX);
      SetDlgItemTextA(editor, kPositionX, "42");
      focusControl(editor, kTime);
      if (!c.atSlider) sendClick(editor, kCreate);
    });
    PathKey kept{};
    ASSERT_TRUE(path_->findKey(c.keyTime, kept)) << c.keyTime;
    EXPECT_EQ(c.keyTime, kept.time);
    EXPECT_EQ(c.atSlider ? 42.0f : c.keyTime == 0.0f ? 20.0f : 10.0f, kept.positionX)
        << "key at " << c.keyTime << ", slider at " << c.slider << "%";
    EXPECT_EQ(c.atSlider ? count : count + 1, path_->keyCount) << c.keyTime;
  }
}

TEST_F(PathEditorTest, DragsWrapAtTheLimitsAndLeaveUncheckedAxesAlone) {
  path_->keys[0].positionX = -1999.9f;
  path_->keys[0].positionY = 5;
  edit([&](HWND editor) {
    drag(editor, -20, 0);
    EXPECT_FLOAT_EQ(2000.0f, path_->keys[0].positionX) << "below -2000 wraps round";
    SendMessageA(GetDlgItem(editor, kAxisY), BM_CLICK, 0, 0);
    drag(editor, 0, 30);
    EXPECT_EQ(5.0f, path_->keys[0].positionY);
    const PathKey before = path_->keys[0];
    SendMessageA(editor, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    EXPECT_EQ(0, std::memcmp(&before, &path_->keys[0], sizeof before))
        << "a stray release changes nothing";
  });
  const AxisDeltas rotate = pathDragDeltas({PathTool::kRotate, kCameraView, false, false}, 4, 6);
  EXPECT_EQ(-3.0f, rotate.z);
  const AxisDeltas stretch = pathDragDeltas({PathTool::kStretch, kTopView, true, true}, 4, 6);
  EXPECT_FLOAT_EQ(0.06f, stretch.x);
  EXPECT_FLOAT_EQ(0.06f, stretch.z);
  const AxisDeltas side = pathDragDeltas({PathTool::kMove, kSideView, true, false}, 4, 6);
  EXPECT_FLOAT_EQ(-0.15f, side.y);
  EXPECT_FLOAT_EQ(-0.1f, side.z);
}

TEST_F(PathEditorTest, CancelGivesBackTheRecordAsItWasRemoveTakesThePathOut) {
  record_.globalParams[VTA_FLY_MODE] = 1.0f;
  std::strcpy(record_.effectName, "Nowhere");
  EffectSettings atCall;
  atCall.copyFrom(record_);
  edit([&](HWND editor) {
    EXPECT_EQ(0.0f, record_.globalParams[VTA_FLY_MODE]) << "edited in the Fly-Off arrangement";
    moveTrackbar(editor, kTime, 80);
    sendClick(editor, kDelete);
    drag(editor, 10, 10);
    closeWith(editor, IDCANCEL);
  });
  EXPECT_EQ(0, record_.differs(atCall)) << "fly mode and path as they were";
  edit([&](HWND editor) { closeWith(editor, kRemove); });
  EXPECT_EQ(0u, record_.description.lists[kPaths].count);
}

// Left down, right down, left up, right up: one drag, by the left button up
// to its release; the cursor is hidden once and shown once, also when the
// editor closes mid-drag by Escape or by Cancel (which takes the capture).
TEST_F(PathEditorTest, ADragKeepsItsButtonAndHidesTheCursorOnceHoweverItEnds) {
  const int shown = cursorDisplayCount();
  for (const int end : {WM_LBUTTONUP, VK_ESCAPE, IDCANCEL}) {
    edit([&](HWND editor) {
      SendMessageA(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
      SendMessageA(editor, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(20, 20));
      SendMessageA(editor, WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(20, 30));
      if (end == VK_ESCAPE) pressKey(editor, VK_ESCAPE);
      if (end == IDCANCEL) clickButton(editor, IDCANCEL);
      EXPECT_TRUE(end == WM_LBUTTONUP || waitForWindowGone(editor));
      if (end != WM_LBUTTONUP) return;
      SendMessageA(editor, WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(20, 40));
      SendMessageA(editor, WM_RBUTTONUP, 0, MAKELPARAM(20, 50));
    });
    EXPECT_EQ(shown, cursorDisplayCount()) << end;
  }
  // Cancel gave back the record as the OK left it, in a path of its own.
  const auto* kept = static_cast<PathComponent*>(record_.description.lists[kPaths].head);
  EXPECT_FLOAT_EQ(-0.2f, kept->keys[0].positionY) << "the left button moves Y to the release";
  EXPECT_EQ(0.0f, kept->keys[0].positionZ) << "and never Z, the right button's";
}

// A key's time typed in percent is kept in hundredths of a percent,
// strictly between its neighbours, and the slider follows the key; one undo
// takes it back. Then a path key pastes at the slider's time and over a key,
// an envelope key does not.
TEST_F(PathEditorTest, ATypedKeyTimeStaysBetweenTheNeighboursAndPathKeysPaste) {
  const struct {
    int slider, key, followed;  // the slider before and after, the key typed into
    const char *typed, *refusal, *shown;
    float time;
  } cases[] = {{50, 1, 37, "37.25", "", "37.25", 0.3725f},
               {37, 1, 37, "60", "Time must be between 0% and 50.5%", "37.25", 0.3725f},
               {80, 3, 80, "50.5", "Time must be between 50.5% and 100%", "80.00", 0.8f}};
  edit([&](HWND editor) {
    for (const auto& c : cases) {
      moveTrackbar(editor, kTime, c.slider);
      focusControl(editor, kKeyTime);
      SendDlgItemMessageA(editor, kKeyTime, EM_SETSEL, 0, -1);
      typeText(editor, c.typed);
      typeKey(editor, VK_TAB);
      EXPECT_EQ(c.refusal, *c.refusal ? answerMessageBox("Problem with value") : "");
      EXPECT_TRUE(waitUntil([&] {
        return path_->keys[c.key].time == c.time && slider(editor, kTime) == c.followed &&
               controlText(editor, kKeyTime) == c.shown;
      })) << c.typed;
    }
    moveTrackbar(editor, kTime, 100);
    EXPECT_FALSE(enabled(editor, kKeyTime)) << "an end key keeps its time";
    focusControl(editor, kTime);
    typeKeys(editor, {VK_CONTROL, 'Z'});
    EXPECT_TRUE(waitUntil([&] { return path_->keys[1].time == 0.5f; }));

    sheet_.session.copiedKey().kind = CopiedKey::Kind::kEnvelope;
    moveTrackbar(editor, kTime, 30);
    typeKeys(editor, {VK_CONTROL, 'V'});
    // Right on the focused slider shows when the paste was handled.
    typeKeys(editor, {VK_RIGHT});
    ASSERT_TRUE(waitUntil([&] { return slider(editor, kTime) == 31; }));
    EXPECT_EQ(5u, path_->keyCount) << "an envelope key goes only into envelopes";

    moveTrackbar(editor, kTime, 80);
    typeKeys(editor, {VK_CONTROL, 'C'});
    ASSERT_TRUE(
        waitUntil([&] { return sheet_.session.copiedKey().kind == CopiedKey::Kind::kPath; }));
    moveTrackbar(editor, kTime, 30);
    typeKeys(editor, {VK_CONTROL, 'V'});
    ASSERT_TRUE(waitUntil([&] { return controlText(editor, kGroup) == "Values at 30% * KEY *"; }));
    ASSERT_EQ(6u, path_->keyCount);
    EXPECT_EQ(keyTimeFromPercent(30), path_->keys[1].time);
    EXPECT_EQ(20.0f, path_->keys[1].positionX);

    moveTrackbar(editor, kTime, 50);
    typeKeys(editor, {VK_CONTROL, 'V'});
    ASSERT_TRUE(waitUntil([&] { return controlText(editor, kPositionX) == "20"; }));
    ASSERT_EQ(6u, path_->keyCount) << "the key at 50% is replaced";
    EXPECT_EQ(0.5f, path_->keys[2].time);
    typeKeys(editor, {VK_CONTROL, 'Z'});
    ASSERT_TRUE(waitUntil([&] { return controlText(editor, kPositionX) == "10"; }));
  });
  EXPECT_EQ(10.0f, path_->keys[2].positionX);
}

// Undo takes back a drag begun from a box (the press takes the focus from
// the box, so the shortcut reaches the editor). The view is a tab stop: Left
// and Right step between keys, Delete removes the key (an end key goes back
// in place), Alt and an arrow nudge it.
TEST_F(PathEditorTest, UndoAfterADragFromABoxAndTheViewTakesTheKeyboard) {
  const PathKey opening = path_->keys[0];
  edit([&](HWND editor) {
    focusControl(editor, kRotationX);
    drag(editor, 10, 0);
    const PathKey dragged = path_->keys[0];
    ASSERT_EQ("0.1", controlText(editor, kPositionX));
    typeKeys(editor, {VK_CONTROL, 'Z'});
    ASSERT_TRUE(waitUntil([&] { return controlText(editor, kPositionX) == "0"; }));
    EXPECT_EQ(0, std::memcmp(&opening, &path_->keys[0], sizeof opening));
    typeKeys(editor, {VK_CONTROL, 'Y'});
    ASSERT_TRUE(waitUntil([&] { return controlText(editor, kPositionX) == "0.1"; }));
    EXPECT_EQ(0, std::memcmp(&dragged, &path_->keys[0], sizeof dragged));

    moveTrackbar(editor, kTime, 80);
    ASSERT_TRUE(tabReaches(editor, kView));
    const struct {
      std::initializer_list<UINT> keys;
      int slider, keyCount;
      float lastX;  // the end key's position X
    } steps[] = {{{VK_DELETE}, 80, 4, 30},   {{VK_LEFT}, 51, 4, 30},
                 {{VK_RIGHT}, 100, 4, 30},   {{VK_DELETE}, 100, 4, 0},
                 {{VK_MENU, VK_RIGHT}, 100, 4, 0.01f}};
    for (const auto& step : steps) {
      typeKeys(editor, step.keys);
      EXPECT_TRUE(waitUntil([&] {
        return slider(editor, kTime) == step.slider && int(path_->keyCount) == step.keyCount &&
               path_->keys[step.keyCount - 1].positionX == step.lastX;
      })) << step.slider
          << " " << step.lastX;
    }
    captureWindow(editor, screenshotPath("path_editor_focused_view"));
    typeKeys(editor, {VK_CONTROL, 'Z'});
    EXPECT_TRUE(waitUntil([&] { return path_->keys[3].positionX == 0; }));
  });
}

// With the sample installation and its renderer: each view shows the
// scene and the object's path, copied from the effect into the record. The
// side view holds still during a drag, which the readout follows, until F
// frames it anew.
TEST_F(PathEditorTest, EachViewShowsTheSceneAndThePathAndHoldsStill) {
  record_.description.lists[kPaths].clear();
  sheet_.session.selectEffect("Fly Away Top Left");  // as the Effects page does
  edit(
      [&](HWND window) {
        moveTrackbar(window, kTime, 40);
        const auto shown = [&] { return screenPixels(GetDlgItem(window, kView)).colours; };
        int radio = IDC_PATH_CAMERA;
        for (const std::string view : {"camera", "perspective", "top", "side"}) {
          SendMessageA(GetDlgItem(window, radio++), BM_CLICK, 0, 0);
          const std::vector<COLORREF> pixels = shown();
          EXPECT_GE(std::set<COLORREF>(pixels.begin(), pixels.end()).size(), 3u)
              << view << ": the background, the path, its keys";
          captureWindow(window, screenshotPath(("path_editor_view_" + view).c_str()));
        }
        const POINT from = {40, 60};  // in the view
        const std::string z = controlText(window, kPositionZ);
        const auto moved = [&] { return controlText(window, kPositionZ) != z; };
        const std::string readout =
            dragWatching(window, from, {from.x + 200, from.y}, {}, "Static", moved);
        EXPECT_EQ("Position  Z " + controlText(window, kPositionZ), readout)
            << "a drag right in the side view changes Z only";
        const std::vector<COLORREF> dragged = shown();
        captureWindow(window, screenshotPath("path_editor_view_dragged"));
        typeKey(window, 'F');
        EXPECT_TRUE(waitUntil([&] { return shown() != dragged; }))
            << "the drag did not frame the view anew";
        captureWindow(window, screenshotPath("path_editor_view_framed"));
      },
      10);
  ASSERT_EQ(1u, record_.description.lists[kPaths].count);
  EXPECT_EQ(10, record_.description.lists[kPaths].head->linkId);
}

// A path file without keys, or with times out of order, is refused as an
// envelope file is; one of another kind changes nothing, silently.
TEST_F(PathEditorTest, OnlyAFileOfUsableKeysIsLoaded) {
  const TempFolder folder;
  const std::string pathFile = folder.file("refused.pth");
  ASSERT_TRUE(answerFileDialogs(GetModuleHandleA(nullptr), pathFile));
  const std::string before = keyBytes(*path_);
  const struct {
    std::vector<PathKey> keys;
    bool otherKind;  // the file's chunk is an envelope's
  } cases[] = {{{keyAt(0, 1)}, true}, {{}, false}, {{keyAt(0.6f, 1), keyAt(0.3f, 2)}, false}};
  for (const auto& c : cases) {
    OwnedComponent<PathComponent> saved(makeComponent<PathComponent>(1, 0.0f, 1.0f, 0, 0));
    saved->copyKeys(c.keys.data(), static_cast<uint32_t>(c.keys.size()));
    ASSERT_EQ(CurveFileResult::kDone, savePathFile(pathFile.c_str(), *saved));
    if (c.otherKind) {
      ChunkFile file;
      ASSERT_EQ(kChunkOk, file.open(pathFile.c_str(), fourCC("VPTH"), kChunkWriteFile));
      file.writeChunk(fourCC("ENV0"), 4, "abcd");
      ASSERT_TRUE(file.commit());
    }
    std::string message;
    edit([&](HWND editor) {
      if (c.otherKind) {
        sendClick(editor, kLoad);
      } else {
        clickButton(editor, kLoad);
        message = answerMessageBox("File Error");
      }
    });
    EXPECT_EQ(c.otherKind ? "" : "Could not read path from disk", message) << c.keys.size();
    EXPECT_EQ(before, keyBytes(*path_));
  }
}

}  // namespace
}  // namespace vta::test
