#include "render_fixture.h"

#include <cstdlib>
#include <filesystem>

namespace rndtest {

// A private copy of what the renderer reads of the sample installation (its
// effects and textures), with the warp of this build in WARPS: the other
// configuration may have put its own module of the same name into the
// shared tree. Copied, not linked: Wine cannot make symbolic links. The
// folder is the test program's own, so test programs running at the same
// time do not remove each other's copy.
std::string privateInstallation(const vta::TempFolder& folder) {
  namespace fs = std::filesystem;
  fs::path root = folder.file("install");
  fs::create_directories(root / "WARPS");
  for (const char* name : {"EFFECTS", "Textures"})
    fs::copy(fs::path(VTA_SAMPLE_INSTALL_DIR) / name, root / name, fs::copy_options::recursive);
  fs::copy_file(RIPPLE_WARP_PATH, root / "WARPS" / "Ripple.WRP");
  return root.string();
}

std::unique_ptr<vta::TempFolder> RenderTest::folder_;
std::unique_ptr<vtafx::ScopedInstallation> RenderTest::installation_;

void RenderTest::SetUpTestSuite() {
  folder_ = std::make_unique<vta::TempFolder>();
  installation_ = std::make_unique<vtafx::ScopedInstallation>(privateInstallation(*folder_));
  ASSERT_TRUE(installation_->chosen());
}

void RenderTest::TearDownTestSuite() {
  installation_.reset();
  folder_.reset();
}

void RenderTest::SetUp() {
  std::string error;
  ASSERT_TRUE(session_.load(RND_SOFTWARE_PATH, error)) << error;
}

vtafx::Picture RenderTest::render(const std::string& effect, uint32_t position, uint32_t range,
                                  const Options& options, uint32_t size) {
  session_.setUp(size, vtafx::placeholderSources(size), nullptr);
  vta::EffectSettings record;
  vtafx::previewRecord(record, effect);
  for (const auto& [index, value] : options) *record.parameter(index) = value;
  session_.prepare(record);
  session_.render(record, position, range);
  return session_.output().toPicture();
}

vtafx::Picture RenderTest::source(int k, uint32_t size) {
  return vtafx::JobPicture::from(vtafx::placeholderSources(size)[k - 1], size).toPicture();
}

}  // namespace rndtest
