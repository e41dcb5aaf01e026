#include "process_figures.h"

#include <psapi.h>

namespace vta::test {
namespace {

// Slots of the GDI handle table: a handle's low word.
constexpr ULONG_PTR kGdiSlots = 0x10000;

bool systemCountsGuiObjects() {
  return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) != 0 ||
         GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS) != 0;
}

// Wine takes a handle whose high word (the slot's reuse count) is zero for
// whatever object lives in that slot, so every live object answers once.
int64_t countGdiObjects() {
  int64_t count = 0;
  for (ULONG_PTR slot = 1; slot < kGdiSlots; ++slot) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++count;
  }
  return count;
}

BOOL CALLBACK countChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int64_t*>(count);
  return TRUE;
}

BOOL CALLBACK countOwnTopLevel(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<int64_t*>(count);
  EnumChildWindows(window, countChild, count);  // every level below it
  return TRUE;
}

int64_t countWindows() {
  int64_t count = 0;
  EnumWindows(countOwnTopLevel, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace

ProcessFigures readProcessFigures() {
  ProcessFigures figures;
  DWORD handles = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &handles)) figures.handles = handles;
  if (systemCountsGuiObjects()) {
    figures.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    figures.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  } else {
    figures.gdiObjects = countGdiObjects();
    figures.userObjects = countWindows();
  }
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory)) {
    figures.privateBytes = static_cast<int64_t>(memory.PrivateUsage);
  }
  return figures;
}

std::string guiFiguresSource() {
  return systemCountsGuiObjects()
             ? "GetGuiResources"
             : "GetGuiResources answers 0: GDI objects counted in the handle table, "
               "USER objects as this process's windows";
}

int cursorDisplayCount() {
  const int shown = ShowCursor(TRUE);
  ShowCursor(FALSE);
  return shown - 1;
}

}  // namespace vta::test
