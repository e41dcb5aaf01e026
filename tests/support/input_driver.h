// Input as a user gives it, through the system's input queue (held keys,
// pointer moves, drags, typed text, Tab), and what the UI tests read back:
// the focus, a window's pixels, the popups a window owns.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace vta {

// Holds keys down (or, with down false, releases them, in reverse order)
// through the system's input queue, as typeKeys does.
void holdKeys(std::initializer_list<UINT> virtualKeys, bool down);

// Moves the mouse through the system's input queue to point (in window's
// client coordinates) and then does buttonFlags there (MOUSEEVENTF_LEFTDOWN,
// MOUSEEVENTF_LEFTUP or 0). Returns once the input is queued.
void mouseTo(HWND window, POINT point, DWORD buttonFlags = 0);

// A left-button drag through the system's input queue from one point of
// window's client area to another, with keys held throughout. Before the
// release it waits for moved() and for a visible window of class popupClass
// owned by window; after it, for that window to go and for window's thread
// to have handled the release. The popup's text ("" when none came).
std::string dragWatching(HWND window, POINT from, POINT to, std::initializer_list<UINT> heldKeys,
                         const char* popupClass, const std::function<bool()>& moved);

// Types text through the system's input queue into the focused window.
void typeText(HWND foreground, const char* text);

// The window with the keyboard focus on window's thread.
HWND focusOf(HWND window);

// Focuses the tab stop before control id of dialog, types Tab through the
// system's input queue and waits for the focus to reach the control.
bool tabReaches(HWND dialog, int id);

// The client area of window as it shows, one 0x00RRGGBB value a pixel.
std::vector<uint32_t> clientPixels(HWND window);

// The visible top-level window of class className owned by owner; null
// when there is none.
HWND ownedWindow(HWND owner, const char* className);

}  // namespace vta
