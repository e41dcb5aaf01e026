// Library-wide state of Vantaro30.dll, one instance per process.
#pragma once

#include <windows.h>

namespace vta {

// Module of the library: every dialog template and bitmap is loaded from it.
HINSTANCE moduleInstance();
void setModuleInstance(HINSTANCE instance);

// Full path of the help file, empty when the installation folder is unknown.
const char* helpFilePath();

// Work that must not run under the loader lock (common controls, the
// effect-list update, file I/O). Runs exactly once per process, on the first
// call of either export, before its dialog is shown; later and concurrent
// callers wait until it has finished.
void completeAttach();

}  // namespace vta
