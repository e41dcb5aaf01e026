#pragma once
// The preview's source pictures without their number badges: the scene of
// each video source painted at a size, every pixel the average of several
// samples (4 x 4 up to the preview's largest size).

#include "image_io.h"

namespace vtafx {

// Source 1 to 20 at size x size.
Picture scenePicture(int source, uint32_t size);
// Sources 1 to 20 at size x size, in order.
std::vector<Picture> scenePictures(uint32_t size);

}  // namespace vtafx
