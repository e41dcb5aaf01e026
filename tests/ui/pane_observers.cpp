#include "pane_observers.h"

#include <mutex>

#include "import_hook.h"
#include "registry_value.h"

namespace vta::test {
namespace {

std::mutex g_timerMutex;
std::vector<TimerCall> g_timerCalls;
decltype(&SetTimer) g_realSetTimer = &SetTimer;
decltype(&KillTimer) g_realKillTimer = &KillTimer;

UINT_PTR WINAPI recordSetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure) {
  {
    std::lock_guard<std::mutex> lock(g_timerMutex);
    g_timerCalls.push_back({true, window, id, period});
  }
  return g_realSetTimer(window, id, period, procedure);
}

BOOL WINAPI recordKillTimer(HWND window, UINT_PTR id) {
  {
    std::lock_guard<std::mutex> lock(g_timerMutex);
    g_timerCalls.push_back({false, window, id, 0});
  }
  return g_realKillTimer(window, id);
}

}  // namespace

bool recordTimers(HMODULE library) {
  {
    std::lock_guard<std::mutex> lock(g_timerMutex);
    g_timerCalls.clear();
  }
  void* set =
      replaceImport(library, "user32.dll", "SetTimer", reinterpret_cast<void*>(&recordSetTimer));
  void* kill =
      replaceImport(library, "user32.dll", "KillTimer", reinterpret_cast<void*>(&recordKillTimer));
  return set && kill;
}

std::vector<TimerCall> timerCalls() {
  std::lock_guard<std::mutex> lock(g_timerMutex);
  return g_timerCalls;
}

RendererControl::RendererControl()
    : TestRendererControl(RegistryValue("Path").text() + "\\LIBS\\Rnd_Test.DLL") {}

}  // namespace vta::test
