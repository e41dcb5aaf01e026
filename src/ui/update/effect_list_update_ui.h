// Brings the current effect list up to date with the effect files on disk,
// behind the progress window "Updating FX List, Please Wait..." (silently
// when the host is the one that must not show it). Part of start-up.
#pragma once

#include <windows.h>

namespace vta {

// owner (may be null) is disabled while the progress window is up.
void runEffectListUpdate(HWND owner);

}  // namespace vta
