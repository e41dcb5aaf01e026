#include "platform/settings_store.h"

#include <cstddef>

namespace vta {

const char kRegistryRoot[] = "Software\\Corvane\\Vantaro\\3.0";

namespace {

constexpr size_t kMaxKeyLength = 255;
char gKeyPath[kMaxKeyLength + 1] = "Software\\Corvane\\Vantaro\\3.0";

}  // namespace

int setRegistryKey(const char* path) {
  size_t n = 0;
  while (path != nullptr && n < kMaxKeyLength && path[n] != '\0') {
    gKeyPath[n] = path[n];
    ++n;
  }
  gKeyPath[n] = '\0';
  return 1;
}

const char* registryKeyPath() { return gKeyPath; }

}  // namespace vta
