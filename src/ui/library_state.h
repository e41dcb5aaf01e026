// Library-wide state of the user interface of Vantaro30.dll, one instance
// per process.
#pragma once

#include <windows.h>

namespace vta {

// Module of the library: every dialog template and bitmap is loaded from it.
HINSTANCE moduleInstance();
void setModuleInstance(HINSTANCE instance);

// Full path of the help file, empty when the installation folder is unknown.
const char* helpFilePath();
// Builds the help file path from the installation folder.
void buildHelpFilePath();

}  // namespace vta
