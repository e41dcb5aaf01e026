#include "platform/file_system.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <dirent.h>
#include <mutex>
#include <sys/stat.h>
#include <unordered_map>

namespace vta {

namespace {

bool isSeparator(char c) { return c == '/' || c == '\\'; }

bool exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

bool isRegularFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string lowerCase(const char* text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return lower;
}

// Case-blind indexes of the folders looked up lately, so a library of many
// files spelled in another case costs one folder scan, not one per file. An
// index is rebuilt when its folder's modification time changes; on file
// systems with whole-second times, a scan made in the same or next second as
// the last change is not kept, since a later change could go unseen.
class FolderIndexes {
 public:
  std::string find(const std::string& folder, const std::string& name) {
    struct stat info;
    const std::string path = folder.empty() ? "." : folder;
    if (stat(path.c_str(), &info) != 0) return std::string();
    std::lock_guard<std::mutex> lock(mutex_);
    auto cached = indexes_.find(path);
    if (cached == indexes_.end() || !sameTime(cached->second.changed, info.st_mtim)) {
      Index index = {info.st_mtim, scan(path)};
      if (!trustworthy(info.st_mtim)) return lookUp(index, name);
      if (indexes_.size() >= kMaxFolders) indexes_.clear();
      cached = indexes_.insert_or_assign(path, std::move(index)).first;
    }
    return lookUp(cached->second, name);
  }

 private:
  struct Index {
    timespec changed;
    std::unordered_map<std::string, std::string> byLowerName;  // lowest spelling wins
  };
  static constexpr size_t kMaxFolders = 64;

  static bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
  }
  static bool trustworthy(const timespec& changed) {
    return changed.tv_nsec != 0 || time(nullptr) > changed.tv_sec + 1;
  }
  static std::unordered_map<std::string, std::string> scan(const std::string& folder) {
    std::unordered_map<std::string, std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
      std::string& best = names[lowerCase(entry->d_name)];
      if (best.empty() || best.compare(entry->d_name) > 0) best = entry->d_name;
    }
    closedir(dir);
    return names;
  }
  static std::string lookUp(const Index& index, const std::string& name) {
    auto found = index.byLowerName.find(lowerCase(name.c_str()));
    return found == index.byLowerName.end() ? std::string() : found->second;
  }

  std::mutex mutex_;
  std::unordered_map<std::string, Index> indexes_;
};

// The on-disk spelling of name inside folder ("" for the current folder), or
// an empty string when nothing matches.
std::string findEntry(const std::string& folder, const std::string& name) {
  if (exists(folder + name)) {
    return name;
  }
  static FolderIndexes indexes;
  return indexes.find(folder, name);
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

bool fileExists(const char* path) { return path != nullptr && isRegularFile(resolvePath(path)); }

std::vector<std::string> listDirectory(const char* folder, const char* pattern) {
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
    if (matchesPattern(entry->d_name, pattern) && isRegularFile(base + '/' + entry->d_name)) {
      names.push_back(entry->d_name);
    }
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vta
