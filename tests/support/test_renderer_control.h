// The control entries of a test renderer module (test_renderer.h), bound
// from the module file the code under test loads: the process holds the
// module once, so the calls it records are the ones that code made.
#pragma once

#include <string>
#include <vector>

#include "platform/dynamic_library.h"
#include "../unit/preview/test_renderer.h"

namespace vta::test {

class TestRendererControl {
 public:
  // Opens the module at path and resets what it recorded.
  explicit TestRendererControl(const std::string& path);
  bool loaded() const { return module_.isOpen(); }

  void reset() const;
  void setDelay(int milliseconds) const;
  // Render number renderNumber waits for release(), or for the abort
  // callback to say stop when yieldToAbort.
  void hold(int renderNumber, bool yieldToAbort = true) const;
  void release() const;
  bool waitFor(int kind, int count, int timeoutMs = 5000) const;
  // Every call so far, or only those of one kind.
  std::vector<RndTestCall> calls(int kind = 0) const;

 private:
  template <typename Function>
  Function entry(const char* name) const {
    return reinterpret_cast<Function>(module_.symbol(name));
  }

  DynamicLibrary module_;
};

}  // namespace vta::test
