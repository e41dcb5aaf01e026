#pragma once
// Pictures (icons and textures) as JSON: the format bytes, sizes, row
// layout, "reals" and "pixels" (hex, the rows as stored; null without
// pixels).

#include "json.h"
#include "model/texture_image.h"

namespace vtafx {

Json imageJson(const vta::TextureImage& image, bool withPixels = true);
// Fills a cleared image. Pixels must match the layout the fields give.
void imageFromJson(const Json& in, vta::TextureImage& image);

}  // namespace vtafx
