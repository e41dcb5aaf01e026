#pragma once
// The video sources of `vtafx render`, as the host's final render takes
// them (vta::render::RenderRequest::sources).

#include <string>
#include <vector>

#include "image_io.h"
#include "render_args.h"
#include "rgb_picture.h"

namespace vtafx {

// For EFFECT the placeholder cards drawn at the frame's shorter side (from
// 256 pixels on kept in the installation's Work/Cards folder), for a
// record the installation's "Textures/PREVL_01" to "PREVL_20" (the pictures
// the demo host renders between by default); then --from and --to as
// sources 1 and 2. False with error set when a picture cannot be read.
bool renderSources(const RenderArgs& r, std::vector<vta::render::RgbPicture>& sources,
                   std::string& error);

inline vta::render::RgbPicture toRgbPicture(Picture picture) {
  return {picture.width, picture.height, std::move(picture.rgb)};
}

inline Picture fromRgbPicture(vta::render::RgbPicture picture) {
  return {picture.width, picture.height, std::move(picture.rgb)};
}

}  // namespace vtafx
