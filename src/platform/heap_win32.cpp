#include "platform/heap.h"

#include <windows.h>

namespace vta {

void* heapAllocate(size_t size) { return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size); }

void heapRelease(void* p) { HeapFree(GetProcessHeap(), 0, p); }

}  // namespace vta
