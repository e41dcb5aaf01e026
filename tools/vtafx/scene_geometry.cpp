#include "scene_geometry.h"

#include <cmath>

namespace vtafx {

namespace {

constexpr float kDegrees = 3.14159265f / 180.0f;

// Rotates (a, b) counter-clockwise by degrees.
void rotate(float& a, float& b, float degrees) {
  const float c = std::cos(degrees * kDegrees), s = std::sin(degrees * kDegrees);
  const float ra = a * c - b * s, rb = a * s + b * c;
  a = ra;
  b = rb;
}

}  // namespace

Vec3 placePoint(const vta::ObjectPoint& p, const Vec3& pivot, const vta::PathKey& k) {
  Vec3 v{(p.x - pivot.x) * k.scaleX, (p.y - pivot.y) * k.scaleY, (p.z - pivot.z) * k.scaleZ};
  rotate(v.y, v.z, k.rotationX);
  rotate(v.z, v.x, k.rotationY);
  rotate(v.x, v.y, k.rotationZ);
  return Vec3{v.x + pivot.x + k.positionX, v.y + pivot.y + k.positionY,
              v.z + pivot.z + k.positionZ};
}

}  // namespace vtafx
