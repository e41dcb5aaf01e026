// Where the demo host's controls sit: the buttons in a row at the top, the
// record's text below them, then the frame player (once a render has
// finished, as large as its frames) and the status line at the bottom.
#pragma once

#include <windows.h>

namespace vta::host {

// Creates the buttons, the record view, the status line and the (hidden)
// player.
void createControls(HWND window);
// Sizes the window to its controls, showing the player at frameWidth x
// frameHeight, or hiding it for 0 x 0.
void layOut(HWND window, int frameWidth, int frameHeight);

}  // namespace vta::host
