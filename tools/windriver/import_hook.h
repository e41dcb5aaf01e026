// Redirects a module's calls of one imported function (through its import
// table), so tests can watch calls a dialog makes to the system, such as
// opening the help viewer, without the real thing happening.
#pragma once

#include <windows.h>

namespace vta {

// Replaces the address module imports for function from importedDll (case-
// blind names); returns the previous address, or null when module does not
// import it by name.
void* replaceImport(HMODULE module, const char* importedDll, const char* function,
                    void* replacement);

}  // namespace vta
