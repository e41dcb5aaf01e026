// Loader entry of Rnd_Software on Windows. The library loads and unloads the
// renderer for every preview engine it makes (each sheet, each change of
// preview quality or frames), so the module gives back on each unload what
// its runtime would keep.
#include <windows.h>

#include "platform/static_runtime.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // reserved is null when the module is unloaded, not when the process ends.
  if (reason == DLL_PROCESS_DETACH && !reserved) vta::releaseModuleRuntime();
  return TRUE;
}
