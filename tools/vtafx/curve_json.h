#pragma once
// Envelope and path components as JSON: "parameter" and "keys", or "keys".

#include "component_json.h"
#include "model/effect_component.h"

namespace vtafx {

void addEnvelopeJson(const vta::EffectComponent& envelope, Json& out);
void addPathJson(const vta::EffectComponent& path, Json& out);
ComponentPtr envelopeFromJson(const vta::ComponentHeader& h, const Json& in);
ComponentPtr pathFromJson(const vta::ComponentHeader& h, const Json& in);

}  // namespace vtafx
