#pragma once
// Arrays owned by components, in memory from allocate().

#include <cstddef>
#include <cstdint>

#include "platform/memory.h"

namespace vta {

// A zero-filled array of count items; null for no items or when memory runs
// out (including a size that does not fit in memory).
template <class T>
T* allocateArray(uint32_t count) {
  if (count == 0 || count > SIZE_MAX / sizeof(T)) return nullptr;
  return static_cast<T*>(allocate(sizeof(T) * count));
}

// A new copy of count items of source; null for no items or when memory runs
// out.
template <class T>
T* duplicateArray(const T* source, uint32_t count) {
  T* copy = allocateArray<T>(count);
  if (copy && source) copyBytes(copy, source, sizeof(T) * count);
  return copy;
}

// True when an array that should hold count items is missing.
template <class T>
bool arrayMissing(const T* array, uint32_t count) {
  return count > 0 && array == nullptr;
}

}  // namespace vta
