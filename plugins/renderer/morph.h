#pragma once
// The object's grid at its morph position (docs/scene.md, "Morphs").

#include <vector>

#include "model/components/object.h"
#include "vec3.h"

namespace rnd {

// Points of the object's shape at its current morphPosition, in frame units
// before placement; as many as the object stores.
std::vector<Vec3> morphedPoints(const vta::ObjectComponent& object);

// One morph record applied to a point; centre is the grid's centre.
Vec3 deformPoint(const vta::MorphRecord& record, Vec3 p, Vec3 centre);

}  // namespace rnd
