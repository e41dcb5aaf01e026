// The frame request's copies and the renderer binding: loading by setting,
// entry look-up, and the list of installed renderers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <new>

#include "platform/settings_store.h"
#include "preview/render_job.h"
#include "preview/renderer_binding.h"
#include "preview_fixture.h"

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
  source.bytesPerPixel = 3;
  source.rowAlign = 1;
  source.rowPixels = source.width = 2;
  source.rowCount = source.height = 2;
  source.computeRowLayout();
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

}  // namespace
}  // namespace vta::test
