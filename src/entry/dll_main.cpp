// Loader entry of Vantaro30.dll. It only records what later calls need: the
// module instance and the settings key, and on unload frees what the C++
// runtime would keep. Everything that may load libraries,
// touch files or show windows waits for the first export call (see
// completeAttach), because the loader lock is held here.
#include <windows.h>

#include "platform/settings_store.h"
#include "platform/static_runtime.h"
#include "ui/library_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    vta::setModuleInstance(instance);
    vta::setRegistryKey(vta::kRegistryRoot);
  }
  // A host that unloads the library (reserved null; not at process end)
  // gets back what the library's runtime would keep.
  if (reason == DLL_PROCESS_DETACH && !reserved) vta::releaseModuleRuntime();
  return TRUE;
}
