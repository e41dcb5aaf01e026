// What a long-running host would see grow when the library keeps something it
// should have given back: this process's kernel handles, GDI and USER
// objects, private bytes, and the cursor's display counter.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace vta::test {

struct ProcessFigures {
  int64_t handles = 0;
  int64_t gdiObjects = 0;
  int64_t userObjects = 0;
  int64_t privateBytes = 0;
  std::string sources;  // where each figure comes from on this system
};

// Reads the figures now. What the system leaves uncounted is counted
// instead (Wine answers 0 for kernel handles, GDI and USER objects and
// private bytes): kernel handles by probing handle values, GDI objects in
// the process's GDI handle table, USER objects as this process's windows,
// private bytes as the page-file usage.
ProcessFigures readProcessFigures();

// The kernel handles this process holds, found by probing handle values
// (the lowest free multiple of 4 is handed out).
int64_t countKernelHandles();

// The display counter of the calling thread's cursor (0 for a shown cursor
// after start-up), left as it was.
int cursorDisplayCount();

}  // namespace vta::test
