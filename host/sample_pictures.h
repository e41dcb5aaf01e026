// The pictures a render goes between when the user picks none: the sample
// installation's placeholder cards, one per video source.
#pragma once

#include <string>
#include <vector>

#include "rgb_picture.h"

namespace vta::host {

// "Textures\PREVL_01.VTT" to "PREVL_20" of the installation as video sources
// 1 to 20; a card that cannot be read gives a source without pixels.
std::vector<render::RgbPicture> samplePictures(const std::string& installFolder);

}  // namespace vta::host
