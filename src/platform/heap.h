#pragma once
// Raw process-heap access behind allocate()/release(); one implementation per
// operating system.

#include <cstddef>

namespace vta {

// Zero-filled block of size bytes (size > 0), or null.
void* heapAllocate(size_t size);

// Frees a block from heapAllocate(); p is never null here.
void heapRelease(void* p);

}  // namespace vta
