// Drives the windows of this process from a second thread, the way a user
// would: find a window, press keys, click buttons, capture it as a picture.
// Used by the UI tests and by the demo host's unattended mode.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace vta {

// The first visible top-level window of this process with exactly this
// caption, waiting up to timeoutMs for it to appear; null when none did.
HWND waitForWindow(const char* caption, DWORD timeoutMs = 10000);

// Asks condition every 20 ms until it holds (true) or timeoutMs passed (false).
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Waits until window no longer exists; false on timeout.
bool waitForWindowGone(HWND window, DWORD timeoutMs = 10000);

// Posts a key press and release to window (as the dialog manager sees typing).
void pressKey(HWND window, UINT virtualKey);

// Types a key through the system's input queue, into whatever window has the
// keyboard focus (first brought to the foreground). Some keys, such as F1
// asking for help, only take effect this way.
void typeKey(HWND foreground, UINT virtualKey);

// Types a combination the same way: presses the keys in order, then
// releases them in reverse order (typeKeys(w, {VK_CONTROL, 'Z'}) is Ctrl+Z).
// Returns once the input is queued, before the window has handled it.
void typeKeys(HWND foreground, std::initializer_list<UINT> virtualKeys);

// Calls show, which runs a modal window captioned caption on this thread,
// while drive works that window from a thread of its own; drive must close
// it (one left open, by a failed assertion, is cancelled). False when the
// window did not appear.
bool driveModal(const char* caption, const std::function<void()>& show,
                const std::function<void(HWND)>& drive);

// Clicks the button with this id in dialog.
void clickButton(HWND dialog, int buttonId);

// Moves trackbar id of dialog to position as the keyboard does (the movement
// ends) or, with dragging, as a thumb drag reports it; returns once the
// dialog has handled it.
void moveTrackbar(HWND dialog, int id, int position, bool dragging = false);

// Sends dialog the click notification of control id; returns once handled.
void sendClick(HWND dialog, int id);

std::string windowText(HWND window);

// Waits for the message box with this caption, reads its message, presses
// its OK button and waits for it to close. "(no message box)" when none came.
std::string answerMessageBox(const char* caption);

// Saves what the screen shows of window as a PNG file. The window must be
// visible and on top; returns false when the picture could not be taken.
bool captureWindow(HWND window, const std::string& pngPath);

// Path of a capture named name (".png" appended) in the folder given by the
// environment variable VTA_SCREENSHOT_DIR, or in the current folder.
std::string screenshotPath(const char* name);

}  // namespace vta
