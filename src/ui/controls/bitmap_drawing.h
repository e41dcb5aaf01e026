// Drawing a picture of 24-bit bottom-up rows stretched into a rectangle, as
// the preview pane's frames and the Effects page's icons are shown.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vta {

// Bytes a 24-bit bitmap row of width pixels takes: rows are whole 32-bit words.
inline uint64_t bitmapRowBytes(uint32_t width) { return (uint64_t{width} * 3 + 3) / 4 * 4; }

// Stretches the width x height picture at pixels (rows of bitmapRowBytes)
// into area, smoothed rather than nearest-pixel, since small pictures are
// shown larger; dc gets its stretching mode and brush origin back.
void drawStretchedBitmap(HDC dc, const RECT& area, const uint8_t* pixels, uint32_t width,
                         uint32_t height);

}  // namespace vta
