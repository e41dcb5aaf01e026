#include "platform/install_paths.h"

#include <cstring>

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

bool isForbidden(unsigned char c, bool wildcards) {
  if (c < 32) return true;
  if (wildcards && (c == '*' || c == '?')) return false;
  return std::strchr("<>:\"/\\|?*", c) != nullptr;
}

int joinPath(char* buffer, uint32_t size, const char* folder, const char* name,
             const char* extension, bool wildcards) {
  if (buffer == nullptr || folder == nullptr || extension == nullptr ||
      !isPlainFileName(name, wildcards) || !readRegistryString(buffer, size, "Path")) {
    return fail(buffer, size);
  }
  // The stored path and its NUL fit, so size - 1 - used cannot wrap.
  size_t used = stringLength(buffer);
  size_t added = 1 + stringLength(folder) + 1 + stringLength(name) + 1 + stringLength(extension);
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

}  // namespace

bool isPlainFileName(const char* name, bool wildcards) {
  if (name == nullptr || name[0] == '\0') return false;
  if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) return false;
  for (const char* c = name; *c; ++c) {
    if (isForbidden(static_cast<unsigned char>(*c), wildcards)) return false;
  }
  return true;
}

int buildPath(char* buffer, uint32_t size, const char* folder, const char* name,
              const char* extension) {
  return joinPath(buffer, size, folder, name, extension, false);
}

int buildSearchPattern(char* buffer, uint32_t size, const char* folder, const char* pattern,
                       const char* extension) {
  return joinPath(buffer, size, folder, pattern, extension, true);
}

}  // namespace vta
