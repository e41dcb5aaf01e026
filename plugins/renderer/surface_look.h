#pragma once
// How one object's faces look in a frame: picture, tint, opacity, filtering.

#include "picture.h"
#include "vec3.h"
#include "warp_binding.h"

namespace rnd {

struct SurfaceLook {
  Picture picture;                    // empty: the tint alone
  Vec3 tint{1, 1, 1};                 // surface colour times brightness
  float alpha = 1;                    // 0 invisible to 1 opaque
  bool bilinear = false;              // image quality
  bool perspective = false;           // quality: perspective-correct mapping
  const WarpBinding* warp = nullptr;  // deforms the picture before mapping

  Vec3 texel(float u, float v) const {
    if (picture.empty()) return tint;
    if (warp) warp->map(&warp->state, &u, &v);
    return mul(bilinear ? picture.bilinear(u, v) : picture.nearest(u, v), tint);
  }
};

}  // namespace rnd
