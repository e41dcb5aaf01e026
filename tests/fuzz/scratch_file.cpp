#include "scratch_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace vta::fuzz {

namespace {

// Programs run in parallel (fuzz targets, test programs) keep apart.
int processId() {
#ifdef _WIN32
  return _getpid();
#else
  return getpid();
#endif
}

}  // namespace

ScratchFile::ScratchFile(const char* role) {
  const std::string name = "vta-fuzz-" + std::to_string(processId()) + "-" + role;
  path_ = (std::filesystem::temp_directory_path() / name).string();
}

ScratchFile::~ScratchFile() { std::remove(path_.c_str()); }

const char* ScratchFile::write(const uint8_t* data, size_t size) const {
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path();
}

std::string ScratchFile::read() const {
  std::ifstream in(path_, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace vta::fuzz
