#include "platform/install_paths.h"

#include "platform/memory.h"
#include "platform/path_separator.h"
#include "platform/settings_store.h"

namespace vta {

namespace {

int fail(char* buffer, uint32_t size) {
  if (buffer != nullptr && size > 0) {
    buffer[0] = '\0';
  }
  return 0;
}

}  // namespace

int buildPath(char* buffer, uint32_t size, const char* folder,
              const char* name, const char* extension) {
  if (buffer == nullptr || folder == nullptr || name == nullptr ||
      extension == nullptr || !readRegistryString(buffer, size, "Path")) {
    return fail(buffer, size);
  }
  // The stored path and its NUL fit, so size - 1 - used cannot wrap.
  size_t used = stringLength(buffer);
  size_t added = 1 + stringLength(folder) + 1 + stringLength(name) + 1 +
                 stringLength(extension);
  if (added > size - 1 - used) {
    return fail(buffer, size);
  }
  const char separator[] = {kPathSeparator, '\0'};
  appendString(buffer, separator);
  appendString(buffer, folder);
  appendString(buffer, separator);
  appendString(buffer, name);
  appendString(buffer, ".");
  appendString(buffer, extension);
  return 1;
}

}  // namespace vta
