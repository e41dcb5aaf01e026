#include <dlfcn.h>

#include "plugin_module.h"

namespace vta::render {

void* openModule(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }

void* moduleEntry(void* module, const char* name) { return dlsym(module, name); }

void closeModule(void* module) { dlclose(module); }

}  // namespace vta::render
