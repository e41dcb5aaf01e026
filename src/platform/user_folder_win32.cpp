#include "platform/user_folder.h"

#include <windows.h>

namespace vta {

std::string userDataFolder() {
  char base[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("APPDATA", base, sizeof base);
  if (length == 0 || length >= sizeof base) return std::string();
  const std::string folder = std::string(base) + "\\Vantaro";
  if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return std::string();
  return folder;
}

}  // namespace vta
