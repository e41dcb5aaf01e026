#pragma once
// The named fields of a warp (docs/scene.md, "Warps"): the plug-in's name
// and the amount. The values belong to the plug-in.

#include "model/components/scene_field.h"
#include "model/components/warp.h"

namespace vta {

// name and amount by name.
FieldTable warpFieldTable();

}  // namespace vta
