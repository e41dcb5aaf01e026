// What every step of the unattended tour does: report a failure, capture a
// window, wait for a condition.
#pragma once

#include <windows.h>

#include <string>

namespace vta::host {

// Prints the failed step on stderr; returns false.
bool failed(const std::string& what);
// Saves a capture of window as the PNG file; false (reported) when it could not.
bool capture(HWND window, const std::string& file);

}  // namespace vta::host
