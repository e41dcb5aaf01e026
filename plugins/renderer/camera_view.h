#pragma once
// The scene's camera: its first camera, or the default one (docs/scene.md).

#include "model/effect_description.h"
#include "vec3.h"

namespace rnd {

struct CameraView {
  Vec3 position{0, 0, 2.41421356f};
  Mat3 rotation;
  float tanHalfFov = 0.41421356f;
  float near = 0.05f;
  float far = 100.0f;
  Vec3 background;
  float ambient = 0;

  Vec3 toCamera(Vec3 world) const { return rotation.applyInverse(world - position); }
  Vec3 forward() const { return rotation.apply({0, 0, -1}); }
  // Position on the picture (-1 to 1 across, -1 bottom to 1 top) of a point
  // in camera space in front of the camera.
  float screenX(Vec3 c, float aspect) const { return c.x / (-c.z * tanHalfFov * aspect); }
  float screenY(Vec3 c) const { return c.y / (-c.z * tanHalfFov); }
};

CameraView cameraView(const vta::EffectDescription& effect);

}  // namespace rnd
