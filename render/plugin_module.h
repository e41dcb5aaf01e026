// Loading a plug-in module (a DLL, a shared object on POSIX systems) and
// finding its entries by their plain names.
#pragma once

#include <string>

namespace vta::render {

// Null when the module cannot be loaded.
void* openModule(const std::string& path);
// Null when the entry is missing.
void* moduleEntry(void* module, const char* name);
void closeModule(void* module);

}  // namespace vta::render
