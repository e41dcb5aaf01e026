// Little-endian bytes for building file contents in tests.
#pragma once

#include <cstdint>
#include <string>

namespace vta {

inline std::string le16(uint16_t value) {
  return {static_cast<char>(value), static_cast<char>(value >> 8)};
}

inline std::string le32(uint32_t value) {
  return le16(static_cast<uint16_t>(value)) + le16(static_cast<uint16_t>(value >> 16));
}

// text and its terminating NUL.
inline std::string textBytes(const std::string& text) { return text + std::string(1, '\0'); }

}  // namespace vta
