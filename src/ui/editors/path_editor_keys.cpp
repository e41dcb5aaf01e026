// The path editor's key fields: the nine placement values at the slider's
// time, their limits, and a key copied to another time.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

#include "copy_key_ids.h"
#include "path_editor_ids.h"
#include "platform/boundary.h"
#include "ui/editors/path_editor.h"
#include "ui/library_state.h"

namespace vta {
namespace {

constexpr float kPlacementLimit = 2000.0f;
constexpr int kCopyKeyTemplate = 123;

// The nine placement boxes, in the order of the key's placement values.
constexpr int kPlacementBoxes[kPlacementCount] = {
    IDC_PATH_POSITION_X, IDC_PATH_POSITION_Y, IDC_PATH_POSITION_Z,
    IDC_PATH_ROTATION_X, IDC_PATH_ROTATION_Y, IDC_PATH_ROTATION_Z,
    IDC_PATH_SCALE_X,    IDC_PATH_SCALE_Y,    IDC_PATH_SCALE_Z};

// Position and scale are limited; rotation is not.
bool isLimited(int placement) { return placement < 3 || placement >= 6; }

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

PathKey PathEditor::keyBetween(float t) {
  PathKey key{};
  component().evaluate(t, key);
  return key;
}

void PathEditor::showValues(const PathKey& key, bool onKey) {
  setControlEnabled(IDC_PATH_COPY_KEY, onKey);
  for (int i = 0; i < kPlacementCount; ++i)
    showNumber(kPlacementBoxes[i], "%g", key.*kPlacementFields[i]);
}

// A position or scale must lie within -2000 to 2000; a rotation is free.
bool PathEditor::readValues(PathKey& key) {
  for (int i = 0; i < kPlacementCount; ++i) {
    float& value = key.*kPlacementFields[i];
    if (!readNumber(kPlacementBoxes[i], value)) return false;
    if (isLimited(i) && !(value >= -kPlacementLimit && value <= kPlacementLimit)) return false;
  }
  return true;
}

std::string PathEditor::rangeMessage() const { return "Value must be between -2000 and 2000"; }

// The copy dialog moves the slider without refreshing the boxes, so the key
// at the new time receives the values shown for the old one.
void PathEditor::copyKey() {
  HWND slider = GetDlgItem(window(), IDC_PATH_TIME);
  const INT_PTR result =
      DialogBoxParamA(moduleInstance(), MAKEINTRESOURCEA(kCopyKeyTemplate), window(),
                      copyKeyProcedure, reinterpret_cast<LPARAM>(slider));
  if (result != 0) return;
  updateTrackbarLabel(slider);
  storeBoxes();
}

}  // namespace vta
