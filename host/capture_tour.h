// The demo's unattended mode: walks through every dialog of the library once
// from a second thread, saving a capture of each into a folder, renders the
// chosen transition and captures the host playing it, then closes the host
// whatever happened.
#pragma once

#include <windows.h>

#include <string>

namespace vta::host {

// The folder is made when missing (its parent must exist). False, with the
// reason on stderr, when a dialog did not appear, a capture could not be
// saved or a render did not go as it must.
bool runCaptureTour(HWND host, const std::string& folder);

}  // namespace vta::host
