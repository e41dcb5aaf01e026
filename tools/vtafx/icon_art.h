#pragma once
// Effect icons drawn as schematics of the effect's scene: the outline of
// every object at four moments of the transition (bright at the start,
// dimmer later), seen by the default camera, over the incoming source's
// colour. `install --renderer` renders real pictures instead.

#include "image_io.h"
#include "model/effect_description.h"

namespace vtafx {

constexpr uint32_t kIconSize = 32;

Picture effectIcon(const vta::EffectDescription& description);

}  // namespace vtafx
