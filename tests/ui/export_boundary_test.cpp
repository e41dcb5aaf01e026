// The exports built into this program with the user interface, whose
// allocations this program can make fail: an export that runs out of memory
// reports "dialog not created" to the host instead of ending its process.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "model/effect_settings.h"
#include "ui/library_state.h"
#include "vantaro/vantaro.h"

namespace {

std::atomic<bool> g_failAllocations{false};

}  // namespace

void* operator new(std::size_t size) {
  void* memory = g_failAllocations ? nullptr : std::malloc(size ? size : 1);
  if (!memory) throw std::bad_alloc();
  return memory;
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace vta::test {
namespace {

TEST(ExportBoundary, SelectThatRunsOutOfMemoryReportsNoDialog) {
  setModuleInstance(GetModuleHandleA(nullptr));
  EffectSettings record;
  // The first call completes the attach; with no record it shows nothing.
  ASSERT_EQ(VTA_RESULT_NO_DIALOG, VTAGUI_Select(nullptr, nullptr, nullptr));
  g_failAllocations = true;
  const short result = VTAGUI_Select(nullptr, reinterpret_cast<VtaEffectSettings*>(&record), nullptr);
  g_failAllocations = false;
  EXPECT_EQ(VTA_RESULT_NO_DIALOG, result);
  EXPECT_EQ('\0', record.effectName[0]) << "the record is as it came";
}

}  // namespace
}  // namespace vta::test
