// What a user sets in the record shows in the final render where the scene
// model (docs/scene.md) says it must, and a record saved and opened again
// renders the same frames. Frames of any size show the host's pictures with
// their aspect kept: a picture of another shape is fitted inside the frame on
// black, never stretched over it.
// Records are rendered through the final render (render/) with
// Rnd_Software and the sample installation, the placeholder cards as the
// video sources.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "final_render.h"
#include "model/effect_settings.h"
#include "model/files/defaults_file.h"
#include "model/files/envelope_target.h"
#include "picture_measures.h"
#include "placeholders.h"
#include "render_session.h"
#include "scoped_installation.h"
#include "temp_folder.h"

namespace hosttest {
namespace {

using vta::meanBrightness;
using vta::meanDifference;
using vta::render::RenderRequest;
using vta::render::RgbPicture;

// The placeholder cards 1 to 20 at size x size.
std::vector<RgbPicture> cards(uint32_t size) {
  std::vector<RgbPicture> out;
  for (int k = 1; k <= vtafx::kPlaceholderSources; ++k) {
    vtafx::Picture card = vtafx::placeholderPicture(k, size);
    out.push_back({card.width, card.height, std::move(card.rgb)});
  }
  return out;
}

class FinalRenderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string settings =
        (std::filesystem::temp_directory_path() / "host_render_tests.ini").string();
    installation_ = std::make_unique<vtafx::ScopedInstallation>(VTA_SAMPLE_INSTALL_DIR, settings);
    ASSERT_TRUE(installation_->chosen());
  }
  static void TearDownTestSuite() { installation_.reset(); }

  // Every frame of the request, rendered by Rnd_Software; fails the test
  // when the render does not finish.
  std::vector<RgbPicture> render(vta::EffectSettings& record, const RenderRequest& request) {
    std::vector<RgbPicture> frames;
    vta::render::RendererPlugin plugin;
    std::string error;
    EXPECT_TRUE(plugin.load(RND_SOFTWARE_PATH, error)) << error;
    if (!error.empty()) return frames;
    const std::atomic<bool> never{false};
    const vta::render::RenderEnd end =
        vta::render::renderFrames(plugin, reinterpret_cast<VtaEffectSettings&>(record), request,
                                  never, [&](uint32_t, const RgbPicture& frame) {
                                    frames.push_back(frame);
                                    return true;
                                  });
    EXPECT_EQ(vta::render::RenderEnd::finished, end);
    return frames;
  }

 private:
  static inline std::unique_ptr<vtafx::ScopedInstallation> installation_;
};

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

struct Box {
  uint32_t left, top, width, height;
};

// The smallest box around every pixel that is not black.
Box litBox(const RgbPicture& p) {
  uint32_t left = p.width, top = p.height, right = 0, bottom = 0;
  for (uint32_t y = 0; y < p.height; ++y)
    for (uint32_t x = 0; x < p.width; ++x) {
      const uint8_t* q = &p.rgb[(size_t(y) * p.width + x) * 3];
      if (q[0] + q[1] + q[2] < 30) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  return right < left ? Box{} : Box{left, top, right - left + 1, bottom - top + 1};
}

// A flat grey picture with a white frame one pixel wide.
RgbPicture framedPicture(uint32_t width, uint32_t height) {
  RgbPicture p{width, height, std::vector<uint8_t>(size_t(width) * height * 3, 128)};
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x)
      if (x == 0 || y == 0 || x == width - 1 || y == height - 1)
        std::fill_n(&p.rgb[(size_t(y) * width + x) * 3], 3, 255);
  return p;
}

using FrameSize = FinalRenderTest;

TEST_F(FrameSize, PicturesKeepTheirAspectInFramesOfAnotherShape) {
  // Slide Left starts on the outgoing picture and ends on the incoming one,
  // each filling the frame; lighting off shows them as they are.
  vta::EffectSettings record;
  vtafx::previewRecord(record, "Slide Left");
  record.globalParams[VTA_LIGHTING] = 0;
  const RenderRequest wide{160, 90, 2, {framedPicture(60, 60), framedPicture(200, 100)}};
  const std::vector<RgbPicture> w = render(record, wide);
  ASSERT_EQ(2u, w.size());
  const Box square = litBox(w[0]), broad = litBox(w[1]);
  EXPECT_EQ(35u, square.left);
  EXPECT_EQ(90u, square.width);
  EXPECT_EQ(90u, square.height);
  EXPECT_EQ(0u, broad.left);
  EXPECT_EQ(160u, broad.width);
  EXPECT_EQ(80u, broad.height);

  const RenderRequest tall{90, 160, 2, {framedPicture(60, 60), framedPicture(200, 100)}};
  const std::vector<RgbPicture> t = render(record, tall);
  ASSERT_EQ(2u, t.size());
  EXPECT_EQ(35u, litBox(t[0]).top);
  EXPECT_EQ(90u, litBox(t[0]).height);
  EXPECT_EQ(90u, litBox(t[1]).width);
  EXPECT_EQ(45u, litBox(t[1]).height);
}

}  // namespace
}  // namespace hosttest
