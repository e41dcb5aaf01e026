#pragma once
// Reals stored in the byte blocks of components, read without alignment
// assumptions.

#include <cstdint>
#include <cstring>

namespace rnd {

inline float blockReal(const uint8_t* block, int index) {
  float value;
  std::memcpy(&value, block + 4 * index, sizeof value);
  return value;
}

}  // namespace rnd
