#include "render_fixture.h"

#include <cstdlib>
#include <filesystem>

namespace rndtest {

namespace {

int channelAt(const vtafx::Picture& p, size_t i) { return p.rgb[i]; }

}  // namespace

double meanDifference(const vtafx::Picture& a, const vtafx::Picture& b) {
  if (a.rgb.size() != b.rgb.size() || a.rgb.empty()) return 255;
  double sum = 0;
  for (size_t i = 0; i < a.rgb.size(); ++i) sum += std::abs(channelAt(a, i) - channelAt(b, i));
  return sum / a.rgb.size();
}

double shareUnlike(const vtafx::Picture& p, int r, int g, int b) {
  size_t unlike = 0, pixels = p.rgb.size() / 3;
  for (size_t i = 0; i < pixels; ++i) {
    const uint8_t* q = &p.rgb[i * 3];
    if (std::abs(q[0] - r) > 24 || std::abs(q[1] - g) > 24 || std::abs(q[2] - b) > 24) ++unlike;
  }
  return pixels ? double(unlike) / pixels : 0;
}

double meanBrightness(const vtafx::Picture& p) {
  double sum = 0;
  for (uint8_t c : p.rgb) sum += c;
  return p.rgb.empty() ? 0 : sum / p.rgb.size();
}

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
