// A renderer entry that runs out of memory reports failure to its host
// instead of letting std::bad_alloc end the host's process. This program
// replaces the global allocation functions, which the native plug-in module
// shares with it, so allocations can be made to fail during one call.

#include <atomic>
#include <cstdlib>
#include <new>

#include "render_fixture.h"

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

namespace rndtest {
namespace {

using AllocationFailure = RenderTest;

TEST_F(AllocationFailure, PrepareAndRenderReportFailureInsteadOfThrowing) {
  session_.setUp(32, vtafx::placeholderSources(32), nullptr);
  vta::EffectSettings record;
  vtafx::previewRecord(record, "Spin Away");
  auto* settings = reinterpret_cast<VtaEffectSettings*>(&record);
  void* context = session_.prepareEntry(nullptr, settings, &session_.job());
  ASSERT_NE(nullptr, context);

  g_failAllocations = true;
  const int rendered = session_.renderEntry(context, settings, &session_.job());
  vtafx::previewRecord(record, "Cube Turn Left");  // a prepare that must load the effect
  void* prepared = session_.prepareEntry(context, settings, &session_.job());
  g_failAllocations = false;

  EXPECT_EQ(0, rendered);
  EXPECT_EQ(nullptr, prepared) << "a failed prepare gives no context";
}

}  // namespace
}  // namespace rndtest
