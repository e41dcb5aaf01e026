#pragma once
// The defaults file's document: the stored effect name, the padding, the
// named global and per-object options, and the components.

#include "json.h"
#include "model/effect_settings.h"

namespace vtafx {

void addRecordJson(const vta::EffectSettings& record, Json& out);
void recordFromJson(const Json& in, vta::EffectSettings& record);

}  // namespace vtafx
