#pragma once
// Scene components as JSON: the common header ("id", "link", "parent",
// "span"), then the kind's named fields (the model's field tables) and, for
// objects, warps, envelopes and paths, their arrays.

#include <memory>

#include "json.h"
#include "model/effect_component.h"
#include "model/effect_description.h"

namespace vtafx {

using ComponentPtr = vta::OwnedComponent<vta::EffectComponent>;

Json componentJson(const vta::EffectComponent& component, vta::ComponentKind kind);
// Throws BuildError on a malformed component.
ComponentPtr componentFromJson(const Json& in, vta::ComponentKind kind);

// Adds one member per non-empty list.
void addComponentLists(const vta::EffectDescription& description, Json& out);
// Appends the components of every list member present, then resolves links.
void readComponentLists(const Json& in, vta::EffectDescription& description);

}  // namespace vtafx
