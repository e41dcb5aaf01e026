#include "platform/dynamic_library.h"

#include <windows.h>

namespace vta {

bool DynamicLibrary::open(const char* path) {
  close();
  if (path == nullptr) {
    return false;
  }
  handle_ = LoadLibraryA(path);
  return isOpen();
}

void* DynamicLibrary::symbol(const char* name) const {
  if (!isOpen() || name == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void DynamicLibrary::close() {
  if (isOpen()) {
    FreeLibrary(static_cast<HMODULE>(handle_));
    handle_ = nullptr;
  }
}

}  // namespace vta
