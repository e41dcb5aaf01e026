#include "platform/file_system.h"

#include <algorithm>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace vta {

namespace {

bool isSeparator(char c) {
  return c == '/' || c == '\\';
}

bool exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

bool isRegularFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The on-disk spelling of name inside folder ("" for the current folder), or
// an empty string when nothing matches.
std::string findEntry(const std::string& folder, const std::string& name) {
  if (exists(folder + name)) {
    return name;
  }
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) {
    return std::string();
  }
  std::string best;
  while (const dirent* entry = readdir(dir)) {
    if (strcasecmp(entry->d_name, name.c_str()) == 0 &&
        (best.empty() || best.compare(entry->d_name) > 0)) {
      best = entry->d_name;
    }
  }
  closedir(dir);
  return best;
}

}  // namespace

std::string resolvePath(const char* path) {
  std::string result;
  if (path == nullptr) {
    return result;
  }
  bool searching = true;
  const char* p = path;
  for (;;) {
    const char* end = p;
    while (*end != '\0' && !isSeparator(*end)) {
      ++end;
    }
    std::string name(p, end);
    bool dotOrEmpty = name.empty() || name == "." || name == "..";
    if (searching && !dotOrEmpty) {
      std::string found = findEntry(result, name);
      searching = !found.empty();
      if (searching) {
        name = found;
      }
    }
    result += name;
    if (*end == '\0') {
      return result;
    }
    result += '/';
    p = end + 1;
  }
}

bool fileExists(const char* path) {
  return path != nullptr && isRegularFile(resolvePath(path));
}

std::vector<std::string> listDirectory(const char* folder,
                                       const char* pattern) {
  std::vector<std::string> names;
  if (folder == nullptr || pattern == nullptr) {
    return names;
  }
  std::string base = resolvePath(folder);
  DIR* dir = opendir(base.c_str());
  if (dir == nullptr) {
    return names;
  }
  while (const dirent* entry = readdir(dir)) {
    if (matchesPattern(entry->d_name, pattern) &&
        isRegularFile(base + '/' + entry->d_name)) {
      names.push_back(entry->d_name);
    }
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vta
