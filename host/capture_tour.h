// The demo's unattended mode: walks through every dialog of the library once
// from a second thread, saving a capture of each into a folder, then closes
// the host.
#pragma once

#include <string>

namespace vta::host {

void runCaptureTour(const std::string& folder);

}  // namespace vta::host
