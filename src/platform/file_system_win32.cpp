#include "platform/file_system.h"

#include <algorithm>
#include <windows.h>

namespace vta {

std::string resolvePath(const char* path) {
  return path != nullptr ? std::string(path) : std::string();
}

bool fileExists(const char* path) {
  if (path == nullptr) {
    return false;
  }
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<std::string> listDirectory(const char* folder, const char* pattern) {
  std::vector<std::string> names;
  if (folder == nullptr || pattern == nullptr) {
    return names;
  }
  // Every entry is fetched and filtered here rather than by FindFirstFile's
  // own wildcards, which also match 8.3 short names ("*.vta" would list
  // "x.vtab") and so would differ from other systems.
  std::string query = std::string(folder) + "\\*";
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA(query.c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) {
    return names;
  }
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        matchesPattern(entry.cFileName, pattern)) {
      names.push_back(entry.cFileName);
    }
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vta
