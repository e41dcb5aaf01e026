#pragma once
// Pictures as library textures in the scene model's pixel format (see
// docs/scene.md): format 2 (24-bit colour, bytes blue, green, red), order 1
// (rows bottom-up), rows aligned to 4 bytes.

#include <string>

#include "image_io.h"
#include "model/texture_image.h"
#include "vantaro/vantaro.h"

namespace vtafx {

// Textures the tool makes: the 24-bit picture (vantaro.h) with rows aligned
// as Windows bitmaps.
constexpr uint8_t kTextureRowAlign = VTA_ROW_ALIGN_DWORD;

// Fills a cleared image. False when memory runs out.
bool textureFromPicture(const Picture& picture, vta::TextureImage& image);
// The picture the image shows (width x height from skipPixels, skipRows).
// False with error set for images that are not 24-bit colour or have no
// pixels.
bool pictureFromTexture(const vta::TextureImage& image, Picture& out, std::string& error);

}  // namespace vtafx
