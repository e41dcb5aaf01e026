// What a user sets in the record shows in the final render where the scene
// model (docs/scene.md) says it must, and a record saved and opened again
// renders the same frames.
#include "model/files/defaults_file.h"
#include "model/files/envelope_target.h"
#include "render_fixture.h"
#include "render_session.h"
#include "temp_folder.h"

namespace hosttest {
namespace {

// Positions 0 to 10 of range 10: the doors closed, opening (their shadows
// show from frame 3) and out of sight from frame 7.
RenderRequest doors() { return {96, 54, 11, cards(54)}; }

// Double Doors (its light from above casts shadows), shadows 0 in the
// record's option but held at full darkness by an envelope.
void doorsWithShadowEnvelope(vta::EffectSettings& record) {
  vtafx::previewRecord(record, "Double Doors");
  vta::EnvelopeComponent* shadows = vta::findOrAddEnvelope(record, 0, VTA_SHADOWS).envelope;
  ASSERT_NE(nullptr, shadows);
  shadows->insertKey({0.0f, 100.0f, 0, 0, 0, 0, 0});
  shadows->insertKey({1.0f, 100.0f, 0, 0, 0, 0, 0});
}

using RecordRender = FinalRenderTest;

// Closed, the doors lie flat where nothing shadows them; open, nothing
// stands in the light. Wire frames cast no shadows (that they differ from
// filled ones is OptionsTest.WireFrameDrawsNoFilledFaces).
TEST_F(RecordRender, ShadowEnvelopeDarkensTheFramesWhileTheDoorsStandInTheLight) {
  for (bool wire : {false, true}) {
    vta::EffectSettings plain, shaded;
    vtafx::previewRecord(plain, "Double Doors");
    doorsWithShadowEnvelope(shaded);
    if (wire) plain.globalParams[VTA_RENDER_STYLE] = shaded.globalParams[VTA_RENDER_STYLE] = 2;
    const std::vector<RgbPicture> a = render(plain, doors()), b = render(shaded, doors());
    ASSERT_EQ(11u, a.size());
    ASSERT_EQ(11u, b.size());
    if (wire) {
      for (size_t i = 0; i < b.size(); ++i) EXPECT_EQ(a[i].rgb, b[i].rgb) << "wire frame " << i;
      continue;
    }
    EXPECT_LT(meanDifference(a[0], b[0]), 0.5);
    EXPECT_LT(meanDifference(a[10], b[10]), 0.5);
    for (int i : {3, 4, 5, 6})
      EXPECT_GT(meanBrightness(a[i]), meanBrightness(b[i]) + 1.5) << "frame " << i;
  }
}

TEST_F(RecordRender, SavedAndOpenedRecordRendersTheSameFrames) {
  vta::EffectSettings record, opened;
  doorsWithShadowEnvelope(record);
  record.globalParams[VTA_RENDER_STYLE] = 1;
  record.objectParams[0][VTA_SHINE] = 80;
  vta::TempFolder folder;
  const std::string file = folder.file("doors.vri");
  ASSERT_EQ(1, vta::saveDefaultsFile(record, file.c_str()));
  ASSERT_EQ(1, vta::loadDefaultsFile(opened, file.c_str()));
  const RenderRequest request{80, 45, 6, cards(45)};
  const std::vector<RgbPicture> a = render(record, request), b = render(opened, request);
  ASSERT_EQ(6u, b.size());
  for (size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].rgb, b[i].rgb) << "frame " << i;
  // The frames show the edits: without them they differ.
  vta::EffectSettings plain;
  vtafx::previewRecord(plain, "Double Doors");
  EXPECT_GT(meanDifference(render(plain, request)[3], b[3]), 1.0);
}

// Each worker has a context of its own and draws every second or third
// frame: what a context keeps from one frame to the next (meshes, shadow
// maps, the warp's binding) must not show in the pictures.
TEST_F(RecordRender, EveryThreadCountDrawsTheFramesOfOneThread) {
  vta::EffectSettings doors, ripple;
  doorsWithShadowEnvelope(doors);
  vtafx::previewRecord(ripple, "Water Ripple");
  for (vta::EffectSettings* record : {&doors, &ripple}) {
    RenderRequest request{80, 45, 9, cards(45), 1};
    const std::vector<RgbPicture> one = render(*record, request);
    for (uint32_t threads : {2u, 3u}) {
      request.threads = threads;
      const std::vector<RgbPicture> many = render(*record, request);
      ASSERT_EQ(one.size(), many.size()) << record->effectName;
      for (size_t i = 0; i < one.size(); ++i)
        EXPECT_EQ(one[i].rgb, many[i].rgb)
            << record->effectName << " frame " << i << ", " << threads << " threads";
    }
  }
}

}  // namespace
}  // namespace hosttest
