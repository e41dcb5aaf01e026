// The frame request's copies and the renderer binding: loading by setting,
// entry look-up, and the list of installed renderers. The edit session over
// a host's record: the preview restarts once per change, Cancel's backup, the
// filter start's correction (which holds over the stored defaults), and the
// Fly-On arrangement without a type-1 effect.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>

#include "model/files/defaults_file.h"
#include "platform/settings_store.h"
#include "preview/render_job.h"
#include "preview/renderer_binding.h"
#include "preview_fixture.h"
#include "session/edit_session.h"

namespace vta::test {
namespace {

bool allZero(const void* bytes, size_t size) {
  const auto* p = static_cast<const uint8_t*>(bytes);
  return std::all_of(p, p + size, [](uint8_t b) { return b == 0; });
}

int VTA_CALL fakeRender(void*, VtaEffectSettings*, VtaRenderJob*) { return 0; }

TEST(RenderJob, NewJobIsAllZeroAndCopiesOwnTheirPictures) {
  alignas(RenderJob) uint8_t memory[sizeof(RenderJob)];
  std::memset(memory, 0xFF, sizeof memory);
  auto* fresh = new (memory) RenderJob;
  EXPECT_TRUE(allZero(memory, sizeof memory));
  fresh->~RenderJob();

  RenderJob job;
  job.width = job.height = 4;
  job.sourceCount = 3;
  job.position = 7;
  job.range = 9;
  job.previewMark = 1;
  job.reservedReals2[3] = 2.5f;
  TextureImage& source = job.sources[2];
  source.describeBgr24(2, 2, 1);
  const uint8_t pixels[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  ASSERT_TRUE(source.takePixels(pixels, sizeof pixels));

  RenderJob copy;
  copy.copyFrom(job);
  EXPECT_EQ(7u, copy.position);
  EXPECT_EQ(9u, copy.range);
  EXPECT_EQ(3u, copy.sourceCount);
  EXPECT_EQ(1u, copy.previewMark);
  EXPECT_EQ(2.5f, copy.reservedReals2[3]);
  ASSERT_NE(nullptr, copy.sources[2].pixels);
  EXPECT_NE(source.pixels, copy.sources[2].pixels) << "pixels are duplicated";
  EXPECT_EQ(1u, copy.sources[2].ownsPixels);
  EXPECT_EQ(0, std::memcmp(pixels, copy.sources[2].pixels, sizeof pixels));
  EXPECT_EQ(nullptr, copy.sources[0].pixels);
}

class RendererBinding : public ::testing::Test {
 protected:
  PreviewInstallation installation_;
};

TEST_F(RendererBinding, SettingsNameTheLibraryAndDiscoveryKeepsAcceleratedOutOfThePreview) {
  writeRegistryString("Engine", "Rnd_NoPrepare");
  DynamicLibrary module;
  RendererEntries entries;
  ASSERT_TRUE(loadRenderer(true, module, entries));
  EXPECT_NE(nullptr, entries.prepare);
  EXPECT_NE(nullptr, entries.render);
  EXPECT_NE(nullptr, entries.freeContext);
  EXPECT_NE(nullptr, entries.createContext);
  EXPECT_NE(nullptr, entries.staticVideo);
  unloadRenderer(module);
  EXPECT_FALSE(module.isOpen());

  RendererEntries engine;
  ASSERT_TRUE(loadRenderer(false, module, engine));
  EXPECT_EQ(nullptr, engine.prepare) << "a missing entry is null";
  EXPECT_NE(nullptr, engine.render);

  // The accelerated renderer is told apart in any letter case.
  for (const char* file : {"RND_ACCELERATED.DLL", "Rnd_OpenGL.dll", "Other.DLL", "Rnd_Notes.txt"}) {
    std::ofstream(installation_.file(std::string("LIBS/") + file)) << "x";
  }
  std::vector<std::string> render = listRenderers(false);
  std::vector<std::string> preview = listRenderers(true);
  std::sort(render.begin(), render.end());
  std::sort(preview.begin(), preview.end());
  EXPECT_EQ((std::vector<std::string>{"RND_ACCELERATED", "Rnd_NoPrepare", "Rnd_NoRender",
                                      "Rnd_OpenGL", "Rnd_Test"}),
            render);
  EXPECT_EQ((std::vector<std::string>{"Rnd_NoPrepare", "Rnd_NoRender", "Rnd_OpenGL", "Rnd_Test"}),
            preview);
}

TEST_F(RendererBinding, FailedLoadLeavesTheEntriesAlone) {
  DynamicLibrary module;
  RendererEntries entries;
  entries.render = &fakeRender;
  writeRegistryString("Prev_Engine", "Rnd_Missing");
  EXPECT_FALSE(loadRenderer(true, module, entries));
  EXPECT_FALSE(loadRenderer(false, module, entries)) << "no \"Engine\" setting";
  EXPECT_EQ(&fakeRender, entries.render);
  EXPECT_EQ(nullptr, entries.prepare);
}

class EditSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(renderer_.loaded());
    writeRegistryDword("Prev_Frames", 2);
    writeRegistryDword("Prev_Render", 1);
    std::strcpy(record_.effectName, "Cube Spin");
  }

  PreviewInstallation installation_;
  TestRenderer renderer_{installation_};
  RecordingListener listener_;
  EffectSettings record_;
};

TEST_F(EditSessionTest, ThePreviewRestartsOncePerChange) {
  EditSession session(record_, false, &listener_);
  session.recordChanged();
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_PREPARE, 1));
  session.recordChanged();  // nothing changed since
  record_.globalParams[VTA_SHADOWS] = 40.0f;
  session.recordChanged();
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_PREPARE, 2));
  session.recordChanged();
  EXPECT_FALSE(renderer_.waitFor(RND_TEST_PREPARE, 3, 300));
}

TEST_F(EditSessionTest, RestoreGivesBackTheRecordAsItCame) {
  record_.objectParams[0][VTA_SHINE] = NAN;
  EffectSettings atStart;
  atStart.copyFrom(record_);
  EditSession session(record_, false, &listener_);
  record_.objectParams[0][VTA_SHINE] = 3.0f;
  std::strcpy(record_.effectName, "Other");
  session.restoreRecord();
  EXPECT_EQ(0, record_.differs(atStart));
}

TEST_F(EditSessionTest, TheFilterStartCorrectionHoldsOverTheDefaults) {
  EffectSettings stored;  // frame count 0, filter off
  std::filesystem::create_directories(installation_.file("Work"));
  const char* error = nullptr;
  ASSERT_TRUE(saveDefaults(stored, &error)) << error;
  record_.globalParams[VTA_FILTER_FRAMES] = 0.0f;
  EditSession session(record_, true, &listener_);
  EXPECT_EQ(100.0f, record_.globalParams[VTA_FILTER_FRAMES]);
  EXPECT_EQ(1.0f, record_.globalParams[VTA_FILTER_ON]);
  record_.globalParams[VTA_FILTER_ON] = 5.0f;
  session.takeDefaults();
  EXPECT_EQ(100.0f, record_.globalParams[VTA_FILTER_FRAMES]);
  EXPECT_EQ(1.0f, record_.globalParams[VTA_FILTER_ON]) << "the defaults were taken";
}

TEST_F(EditSessionTest, WithoutATypeOneEffectNoObjectsChangePlaces) {
  writeRegistryDword("Eff_Autoreverse", 1);
  record_.objectParams[0][VTA_LUMINOSITY] = 10.0f;
  EditSession session(record_, false, &listener_);
  session.setFlyMode(1);
  EXPECT_EQ(1.0f, record_.globalParams[VTA_FLY_MODE]);
  EXPECT_EQ(10.0f, record_.objectParams[0][VTA_LUMINOSITY]);
  EXPECT_EQ(0u, session.storedObject(0));
  EXPECT_EQ(0u, session.flyOffObject(1)) << "the path editor's view exchanges them all the same";
  EXPECT_EQ(2u, session.flyOffObject(2));
}

}  // namespace
}  // namespace vta::test
