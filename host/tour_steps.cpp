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

}  // namespace vta::host
