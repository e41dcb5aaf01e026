// Frames laid out on one picture, left to right and top to bottom.
#pragma once

#include <vector>

#include "rgb_picture.h"

namespace vta::host {

// All frames must have the size of the first (others are left out); columns
// about the square root of their count, with a 2-pixel grey gap around each.
RgbPicture contactSheet(const std::vector<RgbPicture>& frames);

}  // namespace vta::host
