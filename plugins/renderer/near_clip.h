#pragma once
// Cuts a triangle in camera space at the near plane (z = -near).

#include "raster.h"
#include "vec3.h"

namespace rnd {

struct ClipVertex {
  Vec3 camera;
  float value[kVaryings];
};

// Writes the part of the triangle at or beyond the near plane as a convex
// polygon of 0, 3 or 4 vertices into out; returns the count.
int clipNear(const ClipVertex* triangle, float near, ClipVertex* out);

}  // namespace rnd
