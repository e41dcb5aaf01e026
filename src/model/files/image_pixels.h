#pragma once
// Taking a picture's pixels from a file payload, shared by texture files and
// effect icons.

#include <cstdint>

#include "model/texture_image.h"

namespace vta {

// Computes the row layout from the image's fields and, when it describes a
// buffer that holds the picture (see texture_file.h), copies dataSize bytes
// from data. Any pixels held before are released first. True when pixels
// were taken.
bool takeImagePixels(TextureImage& image, const uint8_t* data, uint32_t available);

}  // namespace vta
