// The part of attaching the library that must not run under the loader lock.
#pragma once

#include <windows.h>

namespace vta {

// Common controls, the effect-list update (owned by owner, which it disables
// meanwhile) and the help file path. Runs exactly once per process, on the
// first call of either export, before its dialog is shown; callers on other
// threads wait until it has finished. False for a call made on the attaching
// thread while the attach runs (from a message the update window's loop
// dispatched): that call must fail at once instead of waiting for itself.
bool completeAttach(HWND owner);

}  // namespace vta
