// The file a user maps onto an object: the video open dialog with preview,
// for an AVI file or the first picture of a BMP or TGA sequence.
#pragma once

#include <windows.h>

#include <string>

namespace vta {

enum class MapFileKind { kAvi = 1, kBmp = 2, kTga = 3 };

// Asks for a file of kind over owner, starting in the folder of current when
// it names one. False when the user cancels.
bool chooseMapFile(HWND owner, MapFileKind kind, const char* current, std::string& chosen);

}  // namespace vta
