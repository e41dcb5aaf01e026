#pragma once
// Placement of objects, lights and cameras: world = T + c + R (S (p - c)).

#include <vector>

#include "model/components/object.h"
#include "curves/path_key.h"
#include "scene_components.h"
#include "vec3.h"

namespace rnd {

struct Placement {
  Vec3 position;
  Mat3 rotation;
  Vec3 scale{1, 1, 1};
  Vec3 pivot;

  Vec3 apply(Vec3 p) const { return position + pivot + rotation.apply(mul(scale, p - pivot)); }
};

// The nine placement values of a key (pivot 0).
Placement placementOf(const vta::PathKey& key);

// Where an object stands at scene time u: its path (turned by the entry's
// path rotation, facing its travel when it rotates with the path) or its
// rest placement, with its pivot. Parents are not included.
Placement objectPlacement(const vta::ObjectComponent& object, const SceneComponents& scene,
                          const FrameOptions& options, float u);

// The object's own placement followed by those of its parents (at most a few
// levels, so cycles are cut).
struct PlacementChain {
  std::vector<Placement> steps;

  Vec3 apply(Vec3 p) const {
    for (const Placement& step : steps) p = step.apply(p);
    return p;
  }
};
PlacementChain placementChain(const vta::ObjectComponent& object, const SceneComponents& scene,
                              const FrameOptions& options, float u);

}  // namespace rnd
