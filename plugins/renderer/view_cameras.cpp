#include "view_cameras.h"

#include <algorithm>
#include <cmath>

namespace rnd {

namespace {

constexpr float kPlanFieldOfView = 30.0f;  // narrow: top and side look almost flat
constexpr float kPerspectiveFieldOfView = 45.0f;
constexpr float kMargin = 1.1f;
const Vec3 kViewBackground{0.16f, 0.17f, 0.2f};

struct Bounds {
  Vec3 centre;
  float radius = 1;
};

Bounds boundsOf(const std::vector<Vec3>& points) {
  Vec3 low{1e30f, 1e30f, 1e30f}, high{-1e30f, -1e30f, -1e30f};
  for (Vec3 p : points) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
  }
  Bounds b;
  if (points.empty()) return b;
  b.centre = (low + high) * 0.5f;
  Vec3 half = (high - low) * 0.5f;
  b.radius = std::max(1.0f, std::sqrt(dot(half, half)));
  return b;
}

}  // namespace

PathViewKind viewKind(uint32_t viewFlags) {
  for (PathViewKind kind : {kCameraView, kSideView, kTopView, kPerspectiveView})
    if (viewFlags & kind) return kind;
  return kCameraView;
}

CameraView lookAt(Vec3 eye, Vec3 target, Vec3 upHint, float fieldOfView) {
  Vec3 back = normalized(eye - target);
  Vec3 right = normalized(cross(upHint, back));
  Vec3 up = cross(back, right);
  CameraView camera;
  camera.position = eye;
  // Columns right, up, back: camera space to world.
  camera.rotation.row[0] = {right.x, up.x, back.x};
  camera.rotation.row[1] = {right.y, up.y, back.y};
  camera.rotation.row[2] = {right.z, up.z, back.z};
  camera.tanHalfFov = std::tan(radians(fieldOfView) / 2);
  camera.background = kViewBackground;
  return camera;
}

CameraView framingCamera(PathViewKind kind, const std::vector<Vec3>& points, float aspect) {
  Bounds b = boundsOf(points);
  float fov = kind == kPerspectiveView ? kPerspectiveFieldOfView : kPlanFieldOfView;
  float halfAcross = std::atan(std::tan(radians(fov) / 2) * std::min(1.0f, aspect));
  float distance = kMargin * b.radius / std::sin(halfAcross);
  Vec3 direction{0.55f, 0.6f, 1.0f}, upHint{0, 1, 0};
  if (kind == kTopView) direction = {0, 1, 0}, upHint = {0, 0, -1};
  if (kind == kSideView) direction = {1, 0, 0};
  CameraView camera = lookAt(b.centre + normalized(direction) * distance, b.centre, upHint, fov);
  camera.near = std::max(1e-3f, distance - 2 * b.radius);
  camera.far = distance + 2 * b.radius;
  return camera;
}

}  // namespace rnd
