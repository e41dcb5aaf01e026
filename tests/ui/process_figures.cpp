#include "process_figures.h"

#include <psapi.h>

namespace vta::test {
namespace {

// Slots of the GDI handle table: a handle's low word.
constexpr ULONG_PTR kGdiSlots = 0x10000;
// Kernel handle values probed when the system does not count them: Wine
// hands out the lowest free multiple of 4, so a few thousand cover every
// handle a test program holds.
constexpr ULONG_PTR kHandleValues = 0x10000;

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

}  // namespace

int64_t countKernelHandles() {
  int64_t count = 0;
  DWORD flags = 0;
  for (ULONG_PTR value = 4; value < kHandleValues; value += 4) {
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

ProcessFigures readProcessFigures() {
  ProcessFigures figures;
  // Wine answers GetProcessHandleCount with 0 handles and leaves PrivateUsage
  // 0; its PagefileUsage is the process's anonymous memory, resident or
  // swapped out: the private bytes.
  DWORD handles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handles);
  figures.handles = handles != 0 ? handles : countKernelHandles();
  figures.sources = handles != 0 ? "handles: GetProcessHandleCount"
                                 : "handles: GetProcessHandleCount answers 0, values probed";
  figures.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  figures.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (figures.gdiObjects != 0 || figures.userObjects != 0) {
    figures.sources += "; GDI and USER objects: GetGuiResources";
  } else {
    figures.gdiObjects = countGdiObjects();
    EnumWindows(countOwnTopLevel, reinterpret_cast<LPARAM>(&figures.userObjects));
    figures.sources +=
        "; GetGuiResources answers 0: GDI objects counted in the handle table, "
        "USER objects as this process's windows";
  }
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory)) {
    figures.privateBytes =
        static_cast<int64_t>(memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage);
  }
  figures.sources += memory.PrivateUsage != 0 ? "; private bytes: PrivateUsage"
                                              : "; PrivateUsage is 0, private bytes: PagefileUsage";
  return figures;
}

int cursorDisplayCount() {
  const int shown = ShowCursor(TRUE);
  ShowCursor(FALSE);
  return shown - 1;
}

}  // namespace vta::test
