// The unattended tour's render: the Render dialog opened on the chosen
// transition, a large render between two of the tour's captures cancelled
// once under way, then a render of 20 frames of 320 x 180 between the sample
// pictures that the host plays, and a contact sheet of them.
#pragma once

#include <windows.h>

#include <string>

namespace vta::host {

// Captures and the contact sheet go into folder, the frames into its
// "render" and "render_cancelled" folders. False (reported on stderr) when
// a step did not happen as it must.
bool tourRender(HWND host, const std::string& folder);

}  // namespace vta::host
