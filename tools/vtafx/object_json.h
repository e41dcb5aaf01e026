#pragma once
// Object components as JSON: the named fields, "points" (the mesh grid, row
// by row from the top, as [x, y, z]) and "morphs" (each with "easing" and
// up to four "entries" of "deform", "amount" and "parameter").
//
// For authoring, an object with "columns" and "rows" but no "points" gets a
// flat grid covering the frame: x from -1 (left) to 1, y from 1 (top) to -1,
// z 0. The rows are not stored: the points give them.

#include "component_json.h"

namespace vtafx {

void addObjectJson(const vta::EffectComponent& object, Json& out);
ComponentPtr objectFromJson(const vta::ComponentHeader& h, const Json& in);

}  // namespace vtafx
