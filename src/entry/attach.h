// The part of attaching the library that must not run under the loader lock.
#pragma once

namespace vta {

// Common controls, the effect-list update and the help file path. Runs
// exactly once per process, on the first call of either export, before its
// dialog is shown; later and concurrent callers wait until it has finished.
void completeAttach();

}  // namespace vta
