#pragma once
// A file of this process in the system's temporary folder, for readers and
// writers that take a path. Removed when the object goes.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vta::fuzz {

class ScratchFile {
 public:
  // role tells the files of one entry apart ("in", "out1", ...).
  explicit ScratchFile(const char* role);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const char* path() const { return path_.c_str(); }
  // Replaces the file's contents; returns path().
  const char* write(const uint8_t* data, size_t size) const;
  // The whole file; "" when it cannot be read.
  std::string read() const;

 private:
  std::string path_;
};

}  // namespace vta::fuzz
