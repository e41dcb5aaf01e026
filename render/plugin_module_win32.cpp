#include <windows.h>

#include "plugin_module.h"

namespace vta::render {

void* openModule(const std::string& path) {
  // Modules the plug-in needs are found beside it first.
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void* moduleEntry(void* module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void closeModule(void* module) { FreeLibrary(static_cast<HMODULE>(module)); }

}  // namespace vta::render
