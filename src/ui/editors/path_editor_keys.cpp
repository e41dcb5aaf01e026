// The path editor's key fields: what they show at the slider's time,
// stepping between keys, and keys stored, deleted and copied from them.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "copy_key_ids.h"
#include "curves/kb_spline.h"
#include "path_editor_ids.h"
#include "platform/boundary.h"
#include "ui/editors/path_editor.h"
#include "ui/library_state.h"

namespace vta {
namespace {

// Keys are stored over one within this much of the slider's time, and
// stepping skips keys this close to it.
constexpr float kStoreWindow = 0.01f;
constexpr float kStepSlack = 0.00999f;
constexpr float kPlacementLimit = 2000.0f;
constexpr int kFieldSize = 81;
constexpr int kCopyKeyTemplate = 123;

// The nine placement boxes, in the order of the key's placement values.
constexpr int kPlacementBoxes[kPlacementCount] = {
    IDC_PATH_POSITION_X, IDC_PATH_POSITION_Y, IDC_PATH_POSITION_Z,
    IDC_PATH_ROTATION_X, IDC_PATH_ROTATION_Y, IDC_PATH_ROTATION_Z,
    IDC_PATH_SCALE_X,    IDC_PATH_SCALE_Y,    IDC_PATH_SCALE_Z};

// Position and scale are limited; rotation is not.
bool isLimited(int placement) { return placement < 3 || placement >= 6; }

float numberIn(DialogPage& page, int id) {
  char text[kFieldSize];
  page.getText(id, text, sizeof text);
  return static_cast<float>(std::atof(text));
}

void showNumber(DialogPage& page, int id, float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  page.setText(id, text);
}

// The copy-key dialog: a time in percent for the copy, which moves the
// editor's slider there.
INT_PTR CALLBACK copyKeyProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return guarded<INT_PTR>(FALSE, [&]() -> INT_PTR {
    HWND slider = reinterpret_cast<HWND>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      char text[16];
      std::snprintf(
          text, sizeof text, "%ld",
          static_cast<long>(SendMessageA(reinterpret_cast<HWND>(lParam), TBM_GETPOS, 0, 0)));
      SetDlgItemTextA(dialog, IDC_COPY_KEY_TIME, text);
      return TRUE;
    }
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 1);
    if (LOWORD(wParam) != IDOK) return TRUE;
    char text[257];
    GetDlgItemTextA(dialog, IDC_COPY_KEY_TIME, text, sizeof text);
    const long percent = std::strtol(text, nullptr, 10);
    if (percent < 0 || percent > 100) {
      MessageBoxA(dialog, "Time must be between 0% and 100%", "Invalid Time",
                  MB_OK | MB_ICONEXCLAMATION);
      return TRUE;
    }
    SendMessageA(slider, TBM_SETPOS, TRUE, percent);
    EndDialog(dialog, 0);
    return TRUE;
  });
}

}  // namespace

float PathEditor::sliderTime() { return keyTimeFromPercent(getTrackbarValue(IDC_PATH_TIME)); }

int PathEditor::storedKeyNear(float t) const {
  for (uint32_t i = 0; i < path_->keyCount; ++i) {
    if (std::fabs(path_->keys[i].time - t) <= kStoreWindow) return static_cast<int>(i);
  }
  return -1;
}

void PathEditor::refreshControls() {
  const float t = sliderTime();
  PathKey key{};
  path_->evaluate(t, key);
  const bool onKey = path_->findKey(t, key) != 0;
  if (!onKey) {
    key.tension = key.continuity = key.bias = 0;
    key.linear = 0;
  }
  setControlEnabled(IDC_PATH_PREVIOUS_KEY, !(onKey && key.time == 0.0f));
  setControlEnabled(IDC_PATH_NEXT_KEY, !(onKey && key.time == 1.0f));
  char caption[48];
  std::snprintf(caption, sizeof caption, "Values at %g%%%s", t * 100.0f, onKey ? " * KEY *" : "");
  setText(IDC_PATH_KEY_GROUP, caption);
  setControlEnabled(IDC_PATH_CREATE_KEY, !onKey);
  setControlEnabled(IDC_PATH_DELETE_KEY, onKey && t != 0.0f && t != 1.0f);
  setControlEnabled(IDC_PATH_COPY_KEY, onKey);
  for (int i = 0; i < kPlacementCount; ++i)
    showNumber(*this, kPlacementBoxes[i], key.*kPlacementFields[i]);
  showNumber(*this, IDC_PATH_TENSION, key.tension);
  showNumber(*this, IDC_PATH_CONTINUITY, key.continuity);
  showNumber(*this, IDC_PATH_BIAS, key.bias);
  setCheck(IDC_PATH_LINEAR, key.linear != 0);
  boxMemory_.rememberFocused(window());
}

void PathEditor::stepToKey(bool forward) {
  const float t = sliderTime();
  const PathKey* target = nullptr;
  for (uint32_t i = 0; i < path_->keyCount && !target; ++i) {
    const PathKey& key = path_->keys[forward ? i : path_->keyCount - 1 - i];
    if (forward ? key.time > t + kStepSlack : key.time < t - kStepSlack) target = &key;
  }
  if (!target) return;
  setTrackbarValue(IDC_PATH_TIME, static_cast<int>(target->time * 100.0f + 0.5f));
  refreshControls();
  drawView();
}

// Stores the typed values as the key at the slider's time; false, with a
// message, when a position or scale lies outside -2000 to 2000.
bool PathEditor::commitKey() {
  const float t = sliderTime();
  PathKey key{};
  key.time = t;
  for (int i = 0; i < kPlacementCount; ++i) {
    const float value = numberIn(*this, kPlacementBoxes[i]);
    if (isLimited(i) && !(value >= -kPlacementLimit && value <= kPlacementLimit)) {
      MessageBoxA(window(), "Value must be between -2000 and 2000", "Problem with value",
                  MB_OK | MB_ICONEXCLAMATION);
      return false;
    }
    key.*kPlacementFields[i] = value;
  }
  key.linear = isChecked(IDC_PATH_LINEAR) ? 1 : 0;
  key.tension = numberIn(*this, IDC_PATH_TENSION);
  key.continuity = numberIn(*this, IDC_PATH_CONTINUITY);
  key.bias = numberIn(*this, IDC_PATH_BIAS);
  const int stored = storedKeyNear(t);
  if (stored >= 0) {
    key.time = path_->keys[stored].time;
    path_->setKey(static_cast<uint32_t>(stored), key);
  } else {
    path_->insertKey(key);
  }
  currentKeyIndex_ = static_cast<uint32_t>(std::max(storedKeyNear(t), 0));
  refreshControls();
  drawView();
  return true;
}

void PathEditor::applyEditsToKey() {
  if (storedKeyNear(sliderTime()) >= 0) commitKey();
}

void PathEditor::deleteKeyAtTime() {
  const int stored = storedKeyNear(sliderTime());
  if (stored >= 0) path_->removeKey(path_->keys[stored].time);
  refreshControls();
  drawView();
}

// The copy dialog moves the slider without refreshing the boxes, so the key
// at the new time receives the values shown for the old one.
void PathEditor::copyKey() {
  HWND slider = GetDlgItem(window(), IDC_PATH_TIME);
  const INT_PTR result =
      DialogBoxParamA(moduleInstance(), MAKEINTRESOURCEA(kCopyKeyTemplate), window(),
                      copyKeyProcedure, reinterpret_cast<LPARAM>(slider));
  if (result != 0) return;
  updateTrackbarLabel(slider);
  commitKey();
}

}  // namespace vta
