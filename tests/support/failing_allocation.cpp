#include "failing_allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> g_failAllocations{false};

}  // namespace

void* operator new(std::size_t size) {
  void* memory = g_failAllocations ? nullptr : std::malloc(size ? size : 1);
  if (!memory) throw std::bad_alloc();
  return memory;
}

// The plug-in allocates with the nothrow form; replaced too, so that it
// fails with the others and pairs with the deletes below under every runtime
// (sanitizers included).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return g_failAllocations ? nullptr : std::malloc(size ? size : 1);
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace vta::test {

FailingAllocations::FailingAllocations() { g_failAllocations = true; }
FailingAllocations::~FailingAllocations() { g_failAllocations = false; }

}  // namespace vta::test
