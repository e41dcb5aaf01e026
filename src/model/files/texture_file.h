#pragma once
// Texture image files ("VTAI") and the effect icon payload ("IMG0" chunk of
// an effect file): reading them into a TextureImage and writing them back.
//
// Pixels are taken only when the picture's layout is sound: no side above
// kMaxImageSide, rowBytes and dataSize as the row layout gives them, the
// picture (width x height from skipPixels, skipRows) inside the buffer, and
// at least dataSize bytes present. Otherwise the image keeps its fields but
// gets no pixels.

#include <cstdint>

#include "model/texture_image.h"

namespace vta {

// Clears image and reads the texture file at path. Returns 1, with name set
// to path, when pixels were loaded; else 0.
int loadTextureImage(TextureImage& image, const char* path);

// Writes the image as a texture file (an "IDAT" chunk only when it has
// pixels), replacing path only when every chunk was written. 1 on success.
int saveTextureImage(const TextureImage& image, const char* path);

// Reads an "IMG0" payload: format bytes, sizes and reals from the 44-byte
// head, imageWord set to 0, pixels from the rest. The name is not touched.
// A payload shorter than the head is refused and leaves the image as it
// was. Returns true when pixels were taken.
bool readIconPayload(TextureImage& image, const uint8_t* payload, uint32_t length);

// The "IMG0" payload of image (pixels included when it has them), from
// allocate(); null when memory runs out or the payload would not fit in 32
// bits. *length receives its size.
uint8_t* writeIconPayload(const TextureImage& image, uint32_t* length);

}  // namespace vta
