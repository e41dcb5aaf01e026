#pragma once
// A throw-away installation for one test: a temporary folder recorded as
// "Path" in a private settings store, plus builders for the bytes of chunk
// files.

#include <cstdint>
#include <string>

#include "le_bytes.h"
#include "settings_sandbox.h"
#include "temp_folder.h"

namespace vta {

class Installation {
 public:
  Installation();
  // Creates (or replaces) a file below the installation folder, making
  // folders; relative uses '/'.
  std::string write(const std::string& relative, const std::string& bytes) const {
    return folder_.write(relative, bytes);
  }
  std::string read(const std::string& relative) const { return folder_.read(relative); }
  std::string path(const std::string& relative) const { return folder_.file(relative); }
  void makeFolder(const std::string& relative) const;

 private:
  SettingsSandbox sandbox_;
  TempFolder folder_;
};

// The bytes of a chunk file: magic, then the chunks appended.
class ChunkBytes {
 public:
  explicit ChunkBytes(const char (&magic)[5]) : bytes_(magic, 4) {}
  ChunkBytes& chunk(const char (&tag)[5], const std::string& payload);
  // Appends bytes as they are (for broken chunk headers).
  ChunkBytes& raw(const std::string& bytes) {
    bytes_ += bytes;
    return *this;
  }
  operator const std::string&() const { return bytes_; }

 private:
  std::string bytes_;
};

// A 382-byte "SRF0" payload with the given id, mapping kind and map file.
std::string surfacePayload(uint16_t id, uint16_t mappingKind, const std::string& mapFile);
// The 44-byte head of an "IMG0" payload (format 1, order 2, reals 0).
std::string iconHead(uint8_t bytesPerPixel, uint8_t rowAlign, uint32_t width, uint32_t height,
                     uint32_t rowPixels, uint32_t rowCount);

}  // namespace vta
