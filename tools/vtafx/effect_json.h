#pragma once
// Effect descriptions as JSON: "type", "title", "text", "variants" (null for
// an entry without text), "best", "allowFlags", "icon" and the component
// lists.

#include "json.h"
#include "model/effect_description.h"

namespace vtafx {

void addEffectJson(const vta::EffectDescription& description, Json& out);
// Fills a cleared description.
void effectFromJson(const Json& in, vta::EffectDescription& description);

}  // namespace vtafx
