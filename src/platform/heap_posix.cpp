#include "platform/heap.h"

#include <cstdlib>

namespace vta {

void* heapAllocate(size_t size) { return std::calloc(1, size); }

void heapRelease(void* p) { std::free(p); }

}  // namespace vta
