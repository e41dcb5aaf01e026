#pragma once
// Names of the settings record's reals, as docs/scene.md describes them:
// the 30 global options and the 10 per-object options.

#include "model/effect_settings.h"

namespace vtafx {

extern const char* const kGlobalNames[vta::kGlobalParamCount];
extern const char* const kObjectOptionNames[vta::kObjectParamCount];

}  // namespace vtafx
