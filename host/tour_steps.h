// What every step of the unattended tour does: report a failure, capture a
// window, wait for a condition.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vta::host {

// Prints the failed step on stderr; returns false.
bool failed(const std::string& what);
// Saves a capture of window as the PNG file; false (reported) when it could not.
bool capture(HWND window, const std::string& file);
// Asks condition every 20 ms until it holds (true) or timeoutMs passed (false).
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

}  // namespace vta::host
