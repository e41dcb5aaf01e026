#include "pane_observers.h"

#include <prsht.h>

#include <mutex>

#include "import_hook.h"
#include "registry_value.h"
#include "window_driver.h"

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

RendererControl::RendererControl() {
  module_ = LoadLibraryA((RegistryValue("Path").text() + "\\LIBS\\Rnd_Test.DLL").c_str());
  reset();
}

RendererControl::~RendererControl() {
  if (module_) FreeLibrary(module_);
}

void RendererControl::reset() const {
  if (auto f = entry<RndTestResetFunction>("RndTest_Reset")) f();
}

void RendererControl::hold(int number, bool yieldToAbort) const {
  if (auto f = entry<RndTestHoldFunction>("RndTest_Hold")) f(number, yieldToAbort ? 1 : 0);
}

void RendererControl::release() const {
  if (auto f = entry<RndTestReleaseFunction>("RndTest_Release")) f();
}

bool RendererControl::waitFor(int kind, int count, int timeoutMs) const {
  auto wait = entry<RndTestWaitForFunction>("RndTest_WaitFor");
  return wait && wait(kind, count, timeoutMs) != 0;
}

std::vector<RndTestCall> RendererControl::calls(int kind) const {
  auto count = entry<RndTestCallCountFunction>("RndTest_CallCount");
  auto get = entry<RndTestGetCallFunction>("RndTest_GetCall");
  std::vector<RndTestCall> result;
  for (int i = 0, n = count && get ? count() : 0; i < n; ++i) {
    RndTestCall c;
    if (get(i, &c) && c.kind == kind) result.push_back(c);
  }
  return result;
}

}  // namespace vta::test
