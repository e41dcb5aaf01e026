#pragma once
// The scene model's placement of object points (docs/scene.md): scale and
// rotate about the pivot, then move by the placement's position:
//   world = position + pivot + Rz(Ry(Rx(scale * (point - pivot))))
// with rotations in degrees, counter-clockwise looking down each axis
// toward the origin.

#include "model/components/object.h"
#include "curves/path_key.h"

namespace vtafx {

struct Vec3 {
  float x, y, z;
};

Vec3 placePoint(const vta::ObjectPoint& point, const Vec3& pivot, const vta::PathKey& placement);

// The default camera: at (0, 0, kCameraDistance) looking toward -z with a
// vertical field of view of 45 degrees, so the plane z = 0 shows y from -1
// to 1 exactly.
constexpr float kCameraDistance = 2.41421356f;

}  // namespace vtafx
