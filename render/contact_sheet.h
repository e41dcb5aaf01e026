// Frames laid out on one picture, left to right and top to bottom.
#pragma once

#include <vector>

#include "rgb_picture.h"

namespace vta::render {

// All frames must have the size of the first (others are left out); columns
// about the square root of their count, with a 2-pixel grey gap around each.
RgbPicture contactSheet(const std::vector<RgbPicture>& frames);

// Frames wider than this go on a sheet scaled down to it (aspect kept).
constexpr uint32_t kSheetFrameWidth = 480;

// frame as it goes on a sheet: itself up to kSheetFrameWidth, else scaled
// down to that width.
RgbPicture sheetThumbnail(const RgbPicture& frame);

}  // namespace vta::render
