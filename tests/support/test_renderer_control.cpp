#include "test_renderer_control.h"

namespace vta::test {

TestRendererControl::TestRendererControl(const std::string& path) {
  if (module_.open(path.c_str())) reset();
}

void TestRendererControl::reset() const {
  if (auto f = entry<RndTestResetFunction>("RndTest_Reset")) f();
}

void TestRendererControl::setDelay(int milliseconds) const {
  if (auto f = entry<RndTestSetDelayFunction>("RndTest_SetDelay")) f(milliseconds);
}

void TestRendererControl::hold(int renderNumber, bool yieldToAbort) const {
  if (auto f = entry<RndTestHoldFunction>("RndTest_Hold")) f(renderNumber, yieldToAbort ? 1 : 0);
}

void TestRendererControl::release() const {
  if (auto f = entry<RndTestReleaseFunction>("RndTest_Release")) f();
}

bool TestRendererControl::waitFor(int kind, int count, int timeoutMs) const {
  auto wait = entry<RndTestWaitForFunction>("RndTest_WaitFor");
  return wait && wait(kind, count, timeoutMs) != 0;
}

std::vector<RndTestCall> TestRendererControl::calls(int kind) const {
  auto count = entry<RndTestCallCountFunction>("RndTest_CallCount");
  auto get = entry<RndTestGetCallFunction>("RndTest_GetCall");
  std::vector<RndTestCall> result;
  for (int i = 0, n = count && get ? count() : 0; i < n; ++i) {
    RndTestCall call;
    if (get(i, &call) && (kind == 0 || call.kind == kind)) result.push_back(call);
  }
  return result;
}

}  // namespace vta::test
