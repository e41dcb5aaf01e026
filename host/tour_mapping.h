// The tour's mapped file: a small BMP sequence the tour writes itself,
// mapped onto the chosen effect's first object on the Objects page as a
// user does it (source "Bitmap Sequence (BMP)", "Select", the open dialog),
// so that the render after it shows the sequence on that object.
#pragma once

#include <windows.h>

#include <string>

namespace vta::host {

// Writes the sequence into folder, maps its first file in the open sheet
// and captures the Objects page as objects_page_mapped.png. False
// (reported on stderr) when a step did not happen as it must.
bool mapTourSequence(HWND sheet, const std::string& folder);

}  // namespace vta::host
