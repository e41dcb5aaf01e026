#pragma once
// Frames laid out on one picture, left to right and top to bottom.

#include <vector>

#include "image_io.h"

namespace vtafx {

// All frames must have the size of the first; columns about the square root
// of their count, with a 2-pixel grey gap around each.
Picture contactSheet(const std::vector<Picture>& frames);

}  // namespace vtafx
