#pragma once
// Warp components as JSON: "name", "amount" and "values".

#include "component_json.h"

namespace vtafx {

void addWarpJson(const vta::EffectComponent& warp, Json& out);
ComponentPtr warpFromJson(const vta::ComponentHeader& h, const Json& in);

}  // namespace vtafx
