// The parts of an Effects page icon button, drawn into the button's own
// coordinates (area is the button's rectangle, top-left 0,0).
#pragma once

#include <windows.h>

#include "model/texture_image.h"

namespace vta {

// Where the picture goes: area shrunk by 2 pixels on every side.
RECT insetArea(const RECT& area);

// Stretches the icon into area shrunk by 2 pixels on every side, as a
// bottom-up 24-bit bitmap. An icon without pixels, or with fewer pixel bytes
// than such a bitmap of its size needs, draws nothing.
void drawIconPicture(HDC dc, const RECT& area, const TextureImage& icon);

// The effect's name in font and the button-text colour, on one line,
// centred across area; vertically centred, or at the bottom when atBottom.
void drawIconName(HDC dc, const RECT& area, HFONT font, const char* name, bool atBottom);

// The one-pixel edges, sunken (shadow top-left, highlight bottom-right) or
// raised, and the outer rectangle: dotted black when focused, else solid
// button face, which erases an earlier focus rectangle.
void drawIconFrame(HDC dc, const RECT& area, bool sunken, bool focused);

}  // namespace vta
