// Input as a user gives it, through the system's input queue (drags with
// held keys, typed text, Tab), and what the UI tests read back: the focus and
// the popups a window owns.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "window_driver.h"

namespace vta {
namespace input_detail {

// A screen coordinate as the normalised absolute coordinate that maps back
// to it exactly.
inline LONG absolute(LONG coordinate, int screenSize) {
  return static_cast<LONG>((coordinate * 65536LL + screenSize - 1) / screenSize);
}

// Holds keys down, or releases them in reverse order.
inline void holdKeys(std::initializer_list<UINT> virtualKeys, bool down) {
  std::vector<INPUT> events;
  for (UINT key : virtualKeys) {
    INPUT event{};
    event.type = INPUT_KEYBOARD;
    event.ki.wVk = static_cast<WORD>(key);
    event.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    events.insert(down ? events.end() : events.begin(), event);
  }
  if (!events.empty()) SendInput(static_cast<UINT>(events.size()), events.data(), sizeof events[0]);
}

// Moves the mouse to point of window's client area, then does buttonFlags
// there (MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP or 0).
inline void mouseTo(HWND window, POINT point, DWORD buttonFlags = 0) {
  ClientToScreen(window, &point);
  INPUT event{};
  event.type = INPUT_MOUSE;
  event.mi.dx = absolute(point.x, GetSystemMetrics(SM_CXSCREEN));
  event.mi.dy = absolute(point.y, GetSystemMetrics(SM_CYSCREEN));
  event.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  SendInput(1, &event, sizeof event);
}

}  // namespace input_detail

// The window with the keyboard focus on window's thread.
inline HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

// The visible top-level window of class className owned by owner; null
// when there is none.
inline HWND ownedWindow(HWND owner, const char* className) {
  for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window;
       window = FindWindowExA(nullptr, window, className, nullptr)) {
    if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// A left-button drag through the system's input queue from one point of
// window's client area to another, with keys held throughout. Before the
// release it waits for moved() and for a visible window of class popupClass
// owned by window; after it, for that window to go and for window's thread
// to have handled the release. The popup's text ("" when none came).
inline std::string dragWatching(HWND window, POINT from, POINT to,
                                std::initializer_list<UINT> heldKeys, const char* popupClass,
                                const std::function<bool()>& moved) {
  // The keys held go to the focus of the foreground window, and the mouse
  // messages' key flags come from the keys its thread has seen: a dialog
  // without a focus would lose them.
  SetForegroundWindow(window);
  waitUntil([&] { return GetForegroundWindow() == window; });
  if (!focusOf(window)) SendMessageA(window, WM_NEXTDLGCTL, 0, FALSE);
  input_detail::holdKeys(heldKeys, true);
  input_detail::mouseTo(window, from, MOUSEEVENTF_LEFTDOWN);
  // Wine under X also reports where the display server's pointer went, a
  // moment later and possibly out of turn; the pointer is sent to its end
  // again until the window has moved there. A window that has just come to
  // the front takes the display server's keyboard state, in which nothing is
  // held, so a key it has dropped is pressed again.
  waitUntil([&] {
    for (UINT key : heldKeys) {
      if (GetAsyncKeyState(static_cast<int>(key)) >= 0) input_detail::holdKeys({key}, true);
    }
    input_detail::mouseTo(window, to);
    return moved() && ownedWindow(window, popupClass);
  });
  HWND popup = ownedWindow(window, popupClass);
  const std::string text = popup ? windowText(popup) : "";
  input_detail::mouseTo(window, to, MOUSEEVENTF_LEFTUP);
  input_detail::holdKeys(heldKeys, false);
  waitUntil([&] { return !ownedWindow(window, popupClass); });
  // Answered once the handler of the release, which closed the popup, is done.
  SendMessageA(window, WM_NULL, 0, 0);
  return text;
}

// Types text through the system's input queue into the focused window.
inline void typeText(HWND foreground, const char* text) {
  for (const char* c = text; *c; ++c) {
    const SHORT key = VkKeyScanA(*c);
    if (key & 0x100) {
      typeKeys(foreground, {VK_SHIFT, static_cast<UINT>(key & 0xFF)});
    } else {
      typeKey(foreground, static_cast<UINT>(key & 0xFF));
    }
  }
}

// Focuses the tab stop before control id of dialog, types Tab through the
// system's input queue and waits for the focus to reach the control.
inline bool tabReaches(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  HWND before = GetNextDlgTabItem(dialog, control, TRUE);
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(before), TRUE);
  typeKey(dialog, VK_TAB);
  return waitUntil([&] { return focusOf(dialog) == control; });
}

}  // namespace vta
