#include "platform/settings_store.h"

#include <windows.h>

namespace vta {

namespace {

// Reads the raw bytes of a value into buffer; returns the count, or -1 when
// the key cannot be opened, the value is missing or it does not fit.
long queryValue(const char* name, void* buffer, DWORD size) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, registryKeyPath(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return -1;
  }
  DWORD bytes = size;
  LONG result = RegQueryValueExA(key, name, nullptr, nullptr, static_cast<BYTE*>(buffer), &bytes);
  RegCloseKey(key);
  return result == ERROR_SUCCESS ? static_cast<long>(bytes) : -1;
}

int setValue(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, registryKeyPath(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return 0;
  }
  LONG result = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS ? 1 : 0;
}

}  // namespace

uint32_t readRegistryDword(const char* name) {
  DWORD value = 0;
  if (queryValue(name, &value, sizeof value) < 0) {
    return 0;
  }
  return value;
}

int readRegistryString(char* buffer, uint32_t size, const char* name) {
  if (buffer == nullptr || size == 0) {
    return 0;
  }
  long bytes = queryValue(name, buffer, size);
  if (bytes < 0) {
    return 0;
  }
  // A value written without its terminating NUL still needs room for one.
  if (bytes == 0 || buffer[bytes - 1] != '\0') {
    if (static_cast<uint32_t>(bytes) == size) {
      return 0;
    }
    buffer[bytes] = '\0';
  }
  return 1;
}

int writeRegistryString(const char* name, const char* text) {
  if (text == nullptr) {
    return 0;
  }
  return setValue(name, REG_SZ, text, static_cast<DWORD>(lstrlenA(text) + 1));
}

int writeRegistryDword(const char* name, uint32_t value) {
  DWORD data = value;
  return setValue(name, REG_DWORD, &data, sizeof data);
}

}  // namespace vta
