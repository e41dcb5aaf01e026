// The demo host's plain-text view of a settings record: the effect, the
// options that are not zero, and the components by kind.
#pragma once

#include <string>

#include "model/effect_settings.h"

namespace vta {

std::string describeRecord(const EffectSettings& record);

}  // namespace vta
