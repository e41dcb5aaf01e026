#pragma once
// A fresh, uniquely named folder under the system's temporary folder,
// removed with its contents when the test ends.

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace vta {

// The names of the entries of a folder.
inline std::set<std::string> fileNames(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("vta-platform-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Full path of name inside the folder, with the system's separators.
  std::string file(const std::string& name) const {
    return (path_ / std::filesystem::path(name)).make_preferred().string();
  }
  std::string path() const { return path_.string(); }
  std::set<std::string> names() const { return fileNames(path()); }

  // Creates (or replaces) a file with the given bytes, making folders. With
  // VTA_CRAFTED_FILES naming a folder, a copy goes there too: the fuzz
  // command seeds its corpora with the files the tests craft.
  std::string write(const std::string& name, const std::string& bytes) const {
    std::string full = file(name);
    std::filesystem::create_directories(std::filesystem::path(full).parent_path());
    std::ofstream(full, std::ios::binary) << bytes;
    if (const char* crafted = std::getenv("VTA_CRAFTED_FILES")) {
      static std::atomic<unsigned> copies{0};
      const std::string copy = path_.filename().string() + "-" + std::to_string(copies++);
      std::ofstream(std::filesystem::path(crafted) / copy, std::ios::binary) << bytes;
    }
    return full;
  }

  // Whole contents of a file; "" when it cannot be read.
  std::string read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path path_;
};

}  // namespace vta
