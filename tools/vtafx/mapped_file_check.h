#pragma once
// Files that the record's surfaces map (an AVI clip, a BMP or TGA sequence)
// and that cannot be read: the renderer shows their objects' video sources
// instead, so `vtafx render` warns of each once.

#include <string>
#include <vector>

#include "model/effect_description.h"

namespace vtafx {

// The mapped files of user's surfaces whose first frame cannot be decoded,
// each named once, in surface order.
std::vector<std::string> unreadableMappedFiles(const vta::EffectDescription& user);

}  // namespace vtafx
