#include "ui/pages/effect_icon_keys.h"

#include <commctrl.h>

#include "effects_page_ids.h"
#include "platform/boundary.h"

namespace vta {
namespace {

constexpr int kIconsPerRow = 4;

int shownIcons(HWND page) {
  int shown = 0;
  while (shown <= IDC_EFFECTS_LAST_ICON - IDC_EFFECTS_FIRST_ICON &&
         IsWindowVisible(GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + shown)))
    ++shown;
  return shown;
}

bool isMoveKey(WPARAM key) {
  return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_HOME ||
         key == VK_END;
}

// The slot a move key leads to from slot among count shown icons; -1 for a
// move beyond them.
int slotAfterKey(int slot, WPARAM key, int count) {
  const int target = key == VK_LEFT    ? slot - 1
                     : key == VK_RIGHT ? slot + 1
                     : key == VK_UP    ? slot - kIconsPerRow
                     : key == VK_DOWN  ? slot + kIconsPerRow
                     : key == VK_HOME  ? 0
                                       : count - 1;
  return target >= 0 && target < count ? target : -1;
}

void focusControl(HWND page, HWND control) {
  SendMessageA(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

bool isFindKey(UINT message, WPARAM key) {
  return message == WM_KEYDOWN && key == 'F' && GetKeyState(VK_CONTROL) < 0;
}

bool isEnterDown(LPARAM pending) {
  const MSG* message = reinterpret_cast<const MSG*>(pending);
  return message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
}

// An icon: arrows, Home, End and Enter. False for any other key.
bool handleIconKey(HWND icon, WPARAM key) {
  HWND page = GetParent(icon);
  if (key == VK_RETURN) {
    SendMessageA(icon, BM_CLICK, 0, 0);
    return true;
  }
  if (!isMoveKey(key)) return false;
  const int slot = GetDlgCtrlID(icon) - IDC_EFFECTS_FIRST_ICON;
  const int target = slotAfterKey(slot, key, shownIcons(page));
  if (target >= 0) focusControl(page, GetDlgItem(page, IDC_EFFECTS_FIRST_ICON + target));
  return true;
}

LRESULT CALLBACK keysProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR isIcon, DWORD_PTR) {
  return guarded<LRESULT>(0, [&]() -> LRESULT {
    if (isFindKey(message, wParam)) {
      HWND box = GetDlgItem(GetParent(control), IDC_EFFECTS_SEARCH);
      focusControl(GetParent(control), box);
      SendMessageA(box, EM_SETSEL, 0, -1);
      return 0;
    }
    if (isIcon && message == WM_GETDLGCODE) {
      const LRESULT code = DefSubclassProc(control, message, wParam, lParam) | DLGC_WANTARROWS;
      return isEnterDown(lParam) ? code | DLGC_WANTMESSAGE : code;
    }
    if (isIcon && message == WM_KEYDOWN && handleIconKey(control, wParam)) return 0;
    return DefSubclassProc(control, message, wParam, lParam);
  });
}

}  // namespace

void attachEffectsPageKeys(HWND page) {
  for (int id = IDC_EFFECTS_FIRST_ICON; id <= IDC_EFFECTS_LAST_ICON; ++id)
    SetWindowSubclass(GetDlgItem(page, id), keysProcedure, 1, 0);
  SetWindowSubclass(GetDlgItem(page, IDC_EFFECTS_GROUP_LIST), keysProcedure, 0, 0);
  SetWindowSubclass(GetDlgItem(page, IDC_EFFECTS_SEARCH), keysProcedure, 0, 0);
}

}  // namespace vta
