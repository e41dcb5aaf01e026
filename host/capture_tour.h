// The demo's unattended mode: walks through every dialog of the library once
// from a second thread, saving a capture of each into a folder, then closes
// the host whatever happened.
#pragma once

#include <windows.h>

#include <string>

namespace vta::host {

// False, with the reason on stderr, when a dialog did not appear or a
// capture could not be saved.
bool runCaptureTour(HWND host, const std::string& folder);

}  // namespace vta::host
