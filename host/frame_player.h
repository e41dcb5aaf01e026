// A child window of the host that plays rendered frames over and over at
// their own size, each frame for 1/25 s.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "rgb_picture.h"

namespace vta::host {

// Sent to the player (from any thread): lParam points at a file path; the
// player saves a contact sheet of its frames there as PNG and returns 1, or
// 0 when it has no frames or the file could not be written.
constexpr UINT kSaveContactSheet = WM_APP + 10;

HWND createFramePlayer(HWND parent, int id);
// Replaces the frames played and starts at the first.
void playFrames(HWND player, std::vector<render::RgbPicture> frames);

}  // namespace vta::host
