// Brings the current effect list up to date with the effect files on disk,
// behind the progress window "Updating FX List, Please Wait..." (silently
// when the host is the one that must not show it). Part of start-up.
#pragma once

namespace vta {

void runEffectListUpdate();

}  // namespace vta
