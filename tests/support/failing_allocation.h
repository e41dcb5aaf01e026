#pragma once
// Test programs that link failing_allocation.cpp replace the global
// allocation functions: while a FailingAllocations object lives, every
// allocation of the program (and of native modules that share its runtime)
// throws std::bad_alloc.

namespace vta::test {

class FailingAllocations {
 public:
  FailingAllocations();
  ~FailingAllocations();
  FailingAllocations(const FailingAllocations&) = delete;
  FailingAllocations& operator=(const FailingAllocations&) = delete;
};

}  // namespace vta::test
