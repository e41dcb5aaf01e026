#include "platform/dynamic_library.h"

#include <cstring>
#include <dlfcn.h>
#include <string>

#include "platform/file_system.h"

namespace vta {

bool DynamicLibrary::open(const char* path) {
  close();
  if (path == nullptr) {
    return false;
  }
  // A bare name is left to the loader's search; resolving it against the
  // current folder would change which library is found.
  std::string file = std::strpbrk(path, "/\\") != nullptr ? resolvePath(path) : std::string(path);
  handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  return isOpen();
}

void* DynamicLibrary::symbol(const char* name) const {
  if (!isOpen() || name == nullptr) {
    return nullptr;
  }
  return dlsym(handle_, name);
}

void DynamicLibrary::close() {
  if (isOpen()) {
    dlclose(handle_);
    handle_ = nullptr;
  }
}

}  // namespace vta
