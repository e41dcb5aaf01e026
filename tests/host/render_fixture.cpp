#include "render_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "placeholders.h"
#include "render_session.h"

namespace hosttest {

double meanDifference(const RgbPicture& a, const RgbPicture& b) {
  if (a.width != b.width || a.height != b.height || a.rgb.empty()) return 255;
  double sum = 0;
  for (size_t i = 0; i < a.rgb.size(); ++i) sum += std::abs(a.rgb[i] - b.rgb[i]);
  return sum / a.rgb.size();
}

double meanBrightness(const RgbPicture& p) {
  double sum = 0;
  for (uint8_t c : p.rgb) sum += c;
  return p.rgb.empty() ? 0 : sum / p.rgb.size();
}

std::vector<RgbPicture> cards(uint32_t size) {
  std::vector<RgbPicture> out;
  for (int k = 1; k <= vtafx::kPlaceholderSources; ++k) {
    vtafx::Picture card = vtafx::placeholderPicture(k, size);
    out.push_back({card.width, card.height, std::move(card.rgb)});
  }
  return out;
}

std::unique_ptr<vtafx::ScopedInstallation> FinalRenderTest::installation_;

void FinalRenderTest::SetUpTestSuite() {
  const std::string settings =
      (std::filesystem::temp_directory_path() / "host_render_tests.ini").string();
  installation_ = std::make_unique<vtafx::ScopedInstallation>(VTA_SAMPLE_INSTALL_DIR, settings);
  ASSERT_TRUE(installation_->chosen());
}

void FinalRenderTest::TearDownTestSuite() { installation_.reset(); }

std::vector<RgbPicture> FinalRenderTest::render(vta::EffectSettings& record,
                                                const RenderRequest& request) {
  std::vector<RgbPicture> frames;
  vta::render::RendererPlugin plugin;
  std::string error;
  EXPECT_TRUE(plugin.load(RND_SOFTWARE_PATH, error)) << error;
  if (!error.empty()) return frames;
  const std::atomic<bool> never{false};
  const vta::render::RenderEnd end =
      vta::render::renderFrames(plugin, reinterpret_cast<VtaEffectSettings&>(record), request, never,
                              [&](uint32_t, const RgbPicture& frame) {
                                frames.push_back(frame);
                                return true;
                              });
  EXPECT_EQ(vta::render::RenderEnd::finished, end);
  return frames;
}

}  // namespace hosttest
