#pragma once
// An object's grid at a morph position, by the morph rules of docs/scene.md
// (curl, fold, ripple and twist entries, shapes blended in turn).

#include <vector>

#include "model/components/object.h"

namespace vtafx {

std::vector<vta::ObjectPoint> morphedPoints(const vta::ObjectComponent& object, float position);

}  // namespace vtafx
