// A renderer entry that runs out of memory reports failure to its host
// instead of letting std::bad_alloc end the host's process. This program
// replaces the global allocation functions, which the native plug-in module
// shares with it, so allocations can be made to fail during one call.

#include "failing_allocation.h"
#include "render_fixture.h"

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

  int rendered = -1;
  void* prepared = context;
  {
    vta::test::FailingAllocations failing;
    rendered = session_.renderEntry(context, settings, &session_.job());
    vtafx::previewRecord(record, "Cube Turn Left");  // a prepare that must load the effect
    prepared = session_.prepareEntry(context, settings, &session_.job());
  }

  EXPECT_EQ(0, rendered);
  EXPECT_EQ(nullptr, prepared) << "a failed prepare gives no context";
}

}  // namespace
}  // namespace rndtest
