// The exports built into this program with the user interface, whose
// allocations this program can make fail: an export that runs out of memory
// reports "dialog not created" to the host instead of ending its process.
#include <windows.h>

#include <gtest/gtest.h>

#include "failing_allocation.h"
#include "model/effect_settings.h"
#include "ui/library_state.h"
#include "vantaro/vantaro.h"

namespace vta::test {
namespace {

TEST(ExportBoundary, SelectThatRunsOutOfMemoryReportsNoDialog) {
  setModuleInstance(GetModuleHandleA(nullptr));
  EffectSettings record;
  // The first call completes the attach; with no record it shows nothing.
  ASSERT_EQ(VTA_RESULT_NO_DIALOG, VTAGUI_Select(nullptr, nullptr, nullptr));
  short result = -1;
  {
    FailingAllocations failing;
    result = VTAGUI_Select(nullptr, reinterpret_cast<VtaEffectSettings*>(&record), nullptr);
  }
  EXPECT_EQ(VTA_RESULT_NO_DIALOG, result);
  EXPECT_EQ('\0', record.effectName[0]) << "the record is as it came";
}

}  // namespace
}  // namespace vta::test
