// Loader entry of Vantaro30.dll. It only records what later calls need: the
// module instance and the settings key. Everything that may load libraries,
// touch files or show windows waits for the first export call (see
// completeAttach), because the loader lock is held here.
#include <windows.h>

#include "platform/settings_store.h"
#include "ui/library_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    vta::setModuleInstance(instance);
    vta::setRegistryKey(vta::kRegistryRoot);
  }
  return TRUE;
}
