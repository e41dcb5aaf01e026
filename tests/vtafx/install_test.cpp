// install builds a tree that the library's effect-list update turns into a
// current list naming every offered sample effect.
#include <gtest/gtest.h>

#include <set>

#include "commands.h"
#include "model/components/object.h"
#include "model/files/effect_file.h"
#include "model/files/effect_list_update.h"
#include "model/files/group_list.h"
#include "model/files/texture_file.h"
#include "platform/file_system.h"
#include "sample_installation.h"
#include "tool_files.h"
#include "validate.h"

namespace vtafx {
namespace {

using Install = SampleInstallation;

TEST_F(Install, EffectListUpdateNamesEveryOfferedSampleEffect) {
  vta::EffectListUpdate update;
  ASSERT_TRUE(update.prepare());
  ASSERT_EQ(1, update.build(nullptr));
  update.finish();
  vta::EffectGroupList current;
  ASSERT_EQ(1, current.loadByName("current"));
  EXPECT_GE(current.groupCount(), 4);
  std::set<std::string> listed;
  for (int g = 0; g < current.groupCount(); ++g) {
    for (int j = 0; j < current.itemCount(g); ++j) listed.insert(current.itemName(g, j));
  }
  size_t offered = 0;
  for (const SampleEffect& effect : sampleEffects()) {
    EXPECT_EQ(effect.offered, listed.count(effect.title) == 1) << effect.title;
    offered += effect.offered ? 1 : 0;
  }
  EXPECT_GE(offered, 24u);
  EXPECT_EQ(offered, listed.size());
}

// Between them the effects use every component kind.
TEST_F(Install, EffectsOpenByTitleWithIconsTexturesAndEveryComponentKind) {
  std::set<std::string> icons;
  int textured = 0;
  uint32_t used[vta::kComponentKindCount] = {};
  for (const SampleEffect& effect : sampleEffects()) {
    vta::EffectDescription d;
    ASSERT_EQ(1, vta::loadDescription(d, effect.title.c_str(), 0)) << effect.title;
    for (int k = 0; k < vta::kComponentKindCount; ++k) used[k] += d.lists[k].count;
    ASSERT_NE(nullptr, d.image.pixels) << effect.title;
    icons.insert(std::string(reinterpret_cast<const char*>(d.image.pixels), d.image.dataSize));
    EXPECT_GE(d.lists[vta::kObjects].count, 1u);
    EXPECT_LE(d.lists[vta::kObjects].count, 4u);
    for (const vta::EffectComponent* c = d.lists[vta::kObjects].head; c; c = c->next) {
      EXPECT_EQ(0, static_cast<const vta::ObjectComponent*>(c)->secondWord)
          << effect.title << ": the Objects page's Path Editor opens only on such objects";
    }
    for (uint32_t i = 0; i < d.textureCount; ++i) {
      EXPECT_NE(nullptr, d.textures[i]->pixels) << effect.title << " " << d.textures[i]->name;
      ++textured;
    }
  }
  EXPECT_EQ(sampleEffects().size(), icons.size()) << "every effect has its own icon";
  EXPECT_GT(textured, 0);
  for (int k = 0; k < vta::kComponentKindCount; ++k) EXPECT_GT(used[k], 0u) << "list " << k;
}

TEST_F(Install, PreviewPlaceholdersForEveryQualityAreDistinctPictures) {
  const struct {
    const char* prefix;
    uint32_t size;
  } qualities[] = {{"PREVS_", 32}, {"PREVM_", 64}, {"PREVL_", 128}};
  for (const auto& q : qualities) {
    std::set<std::string> pictures;
    for (int k = 1; k <= 20; ++k) {
      char name[16];
      std::snprintf(name, sizeof name, "%s%02d", q.prefix, k);
      const std::string path = tree("Textures/" + std::string(name) + ".VTT");
      vta::TextureImage image;
      ASSERT_EQ(1, vta::loadTextureImage(image, path.c_str())) << name;
      EXPECT_EQ(q.size, image.width);
      EXPECT_EQ(q.size, image.height);
      pictures.insert(std::string(reinterpret_cast<const char*>(image.pixels), image.dataSize));
    }
    EXPECT_EQ(20u, pictures.size()) << q.prefix;
  }
}

TEST_F(Install, EveryInstalledFileValidatesClean) {
  for (const char* folder : {"EFFECTS", "Textures"}) {
    const std::string path = tree(folder);
    for (const std::string& name : vta::listDirectory(path.c_str(), "*")) {
      for (const Problem& p : validateFile((path + "/" + name).c_str()))
        ADD_FAILURE() << formatProblem(name, p);
    }
  }
}

TEST_F(Install, RendererWarpAndTheFoldersForUserFilesAreInstalledAndNothingElse) {
  namespace fs = std::filesystem;
  const std::string renderer = fs::path(RND_SOFTWARE_PATH).filename().string();
  EXPECT_EQ(readBytes(RND_SOFTWARE_PATH), readBytes(tree("LIBS/" + renderer)));
  EXPECT_EQ(readBytes(RIPPLE_WARP_PATH), readBytes(tree("WARPS/Ripple.WRP")));
  const std::set<std::string> top = vta::fileNames(tree());
  EXPECT_EQ((std::set<std::string>{".vtafx-install", "EFFECTS", "Envelopes", "LIBS", "Paths",
                                   "Textures", "WARPS", "Work", "orgs"}),
            top);
  for (const std::string& name : top)
    EXPECT_EQ(name != ".vtafx-install", fs::is_directory(tree(name))) << name;
}

TEST(InstallSources, MissingSourcesFailWithoutATree) {
  vta::TempFolder folder;
  EXPECT_EQ(kExitFailed,
            runCaptured(runInstall, {folder.file("nowhere"), folder.file("out")}).code);
}

}  // namespace
}  // namespace vtafx
