#include "render_fixture.h"

#include <filesystem>

#include "placeholders.h"
#include "render_session.h"

namespace hosttest {

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
