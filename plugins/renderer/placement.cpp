#include "placement.h"

#include <cmath>

#include "frame_time.h"
#include "model/components/object_fields.h"
#include "vantaro/vantaro.h"

namespace rnd {

namespace {

constexpr int kMaxParentDepth = 8;
// Scene-time step used to find the direction of travel.
constexpr float kTravelStep = 0.01f;

Vec3 pathPosition(const vta::PathComponent& path, float u) {
  vta::PathKey key{};
  path.evaluate(u, key);
  return {key.positionX, key.positionY, key.positionZ};
}

// Angle in degrees of the path's direction of travel in the xy plane at u.
float travelAngle(const vta::PathComponent& path, float u) {
  float a = std::fmax(0.0f, u - kTravelStep), b = std::fmin(1.0f, u + kTravelStep);
  Vec3 d = pathPosition(path, b) - pathPosition(path, a);
  if (std::fabs(d.x) + std::fabs(d.y) < 1e-6f) return 0.0f;
  return std::atan2(d.y, d.x) * (180.0f / kPi);
}

}  // namespace

Placement placementOf(const vta::PathKey& k) {
  Placement p;
  p.position = {k.positionX, k.positionY, k.positionZ};
  p.rotation = rotationXYZ(k.rotationX, k.rotationY, k.rotationZ);
  p.scale = {k.scaleX, k.scaleY, k.scaleZ};
  return p;
}

Placement objectPlacement(const vta::ObjectComponent& object, const SceneComponents& scene,
                          const FrameOptions& options, float u) {
  const vta::PathComponent* path = scene.pathFor(object.id);
  const vta::ObjectSetup setup = vta::objectSetup(object);
  vta::PathKey key = setup.placement;
  if (path && path->keyCount > 0) {
    path->evaluate(u, key);
    float turn = options.forSurface(object.surfaceNumber, VTA_PATH_ROTATION);
    Mat3 spin = rotationXYZ(0, 0, turn);
    Vec3 at = spin.apply({key.positionX, key.positionY, key.positionZ});
    key.positionX = at.x, key.positionY = at.y, key.positionZ = at.z;
    if (options.forSurface(object.surfaceNumber, VTA_ROTATES_WITH_PATH) == 1.0f)
      key.rotationZ += travelAngle(*path, u) + turn;
  }
  Placement placement = placementOf(key);
  placement.pivot = {setup.pivot.x, setup.pivot.y, setup.pivot.z};
  return placement;
}

PlacementChain placementChain(const vta::ObjectComponent& object, const SceneComponents& scene,
                              const FrameOptions& options, float u) {
  PlacementChain chain;
  const vta::ObjectComponent* current = &object;
  for (int depth = 0; current && depth < kMaxParentDepth; ++depth) {
    chain.steps.push_back(objectPlacement(*current, scene, options, u));
    current = static_cast<const vta::ObjectComponent*>(current->parent);
  }
  return chain;
}

}  // namespace rnd
