// Input as a user gives it, through the system's input queue (drags with
// held keys, typed text, Tab), and what the UI tests read back: the focus and
// the popups a window owns.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace vta {

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

// The visible top-level window of class className owned by owner; null
// when there is none.
HWND ownedWindow(HWND owner, const char* className);

}  // namespace vta
