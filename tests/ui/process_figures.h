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
};

// Reads the figures now. Where the system reports no GDI and no USER objects
// at all (Wine's GetGuiResources answers 0), they are counted instead: GDI
// objects in the process's handle table, USER objects as this process's
// windows.
ProcessFigures readProcessFigures();

// How the GDI and USER figures of readProcessFigures are obtained.
std::string guiFiguresSource();

// The display counter of the calling thread's cursor (0 for a shown cursor
// after start-up), left as it was.
int cursorDisplayCount();

}  // namespace vta::test
