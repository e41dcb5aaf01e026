#include "tour_steps.h"

#include <cstdio>

#include "window_driver.h"

namespace vta::host {

bool failed(const std::string& what) {
  std::fprintf(stderr, "vtahost --capture: %s\n", what.c_str());
  return false;
}

bool capture(HWND window, const std::string& file) {
  return captureWindow(window, file) || failed("could not save " + file);
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

}  // namespace vta::host
