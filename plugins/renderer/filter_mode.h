#pragma once
// Filter mode (global option 10 `filterOn` at 1): the effect runs over a
// single clip instead of between two (docs/scene.md, "Filter mode").

#include "vec3.h"

namespace rnd {

struct FilterMode {
  bool on = false;
  unsigned source = 1;  // the effect's video source that shows the clip
};

// Whether the record asks for filter mode, and which source the clip takes.
FilterMode filterMode(const float* globals);

// How filter mode turns and moves the objects: world points are turned
// about the origin and pushed away from the camera.
struct SceneTurn {
  bool active = false;
  Mat3 rotation;
  Vec3 shift;

  Vec3 apply(Vec3 p) const { return active ? rotation.apply(p) + shift : p; }
};

// The turn of the options as the frame sees them; forward is the camera's
// view direction and cameraDistance its distance from the origin.
SceneTurn filterTurn(const float* globals, Vec3 forward, float cameraDistance);

}  // namespace rnd
