#include <gtest/gtest.h>

#include "scratch_installation.h"
#include "model/components/surface.h"
#include "model/files/effect_file.h"
#include "model/files/texture_file.h"

namespace vta {
namespace {

constexpr uint32_t kImg0 = fourCC("IMG0");

class EffectFileTest : public ::testing::Test {
 protected:
  void writeEffect(const std::string& name, const std::string& bytes) {
    install.write("Effects/" + name + ".VTA", bytes);
  }
  Installation install;
  EffectDescription description;
};

TEST_F(EffectFileTest, LaterChunksWinOutOfRangeVariantsAreIgnoredAndBadFilesGiveZero) {
  writeEffect("Swirl", ChunkBytes("VTAE")
                           .chunk("VDSC", le32(0) + textBytes("early"))
                           .chunk("ENAM", textBytes("First"))
                           .chunk("VCNT", le32(2))
                           .chunk("VDSC", le32(3) + textBytes("beyond"))
                           .chunk("VDSC", le32(1) + textBytes("Back"))
                           .chunk("ENAM", textBytes("Second"))
                           .chunk("ALOW", le32(5))
                           .chunk("ZZZZ", "skipped"));
  ASSERT_EQ(1, loadDescription(description, "Swirl", 0));
  EXPECT_STREQ("Second", description.title);
  EXPECT_EQ(2u, description.variantCount);
  EXPECT_EQ(nullptr, description.variantTexts[0]);  // "early" came before VCNT
  EXPECT_STREQ("Back", description.variantTexts[1]);
  EXPECT_EQ(5u, description.allowFlags);

  // Missing, foreign or broken files give zero and a cleared description.
  writeEffect("Full", ChunkBytes("VTAE")
                          .chunk("ENAM", textBytes("Full"))
                          .chunk("SRF0", surfacePayload(1, 2, "wood")));
  writeEffect("Foreign", ChunkBytes("VTAG").chunk("ENAM", textBytes("Other")));
  writeEffect("Broken", ChunkBytes("VTAE").chunk("ENAM", textBytes("Kept")).raw("DESC\x40"));
  ASSERT_EQ(1, loadDescription(description, "Full", 0));
  ASSERT_EQ(1u, description.textureCount);
  EXPECT_EQ(0, loadDescription(description, "Absent", 0));
  EXPECT_EQ(nullptr, description.title);
  EXPECT_EQ(0u, description.lists[kSurfaces].count);
  EXPECT_EQ(0u, description.textureCount);
  EXPECT_EQ(0, loadDescription(description, "Foreign", 0));
  EXPECT_EQ(nullptr, description.title);
  EXPECT_EQ(0, loadDescription(description, "Broken", 0));
  EXPECT_STREQ("Kept", description.title);  // chunks before the break stay applied
}

TEST_F(EffectFileTest, StopTagEndsTheLoadAfterTheFirstIcon) {
  const std::string icon = iconHead(3, 4, 1, 1, 1, 1) + std::string(4, '\x7F');
  writeEffect("Cube", ChunkBytes("VTAE")
                          .chunk("SRF0", surfacePayload(1, 0, ""))
                          .chunk("IMG0", icon)
                          .chunk("SRF0", surfacePayload(2, 0, ""))
                          .chunk("ENAM", textBytes("Late")));
  ASSERT_EQ(1, loadDescription(description, "cube", kImg0));
  EXPECT_EQ(1u, description.lists[kSurfaces].count);
  EXPECT_EQ(nullptr, description.title);
  ASSERT_NE(nullptr, description.image.pixels);
  EXPECT_EQ(0x7F, description.image.pixels[0]);
  ASSERT_EQ(1, loadDescription(description, "cube", 0));
  EXPECT_EQ(2u, description.lists[kSurfaces].count);
  EXPECT_STREQ("Late", description.title);
}

TEST_F(EffectFileTest, TexturesFollowTheMappedSurfacesInOrderAndSummariesReadTitleAndFlags) {
  TextureImage wood;
  wood.bytesPerPixel = 1;
  wood.rowAlign = 1;
  wood.width = wood.height = wood.rowPixels = wood.rowCount = 2;
  ASSERT_TRUE(wood.computeRowLayout());
  const uint8_t pixels[4] = {1, 2, 3, 4};
  ASSERT_TRUE(wood.takePixels(pixels, 4));
  install.makeFolder("Textures");
  ASSERT_EQ(1, saveTextureImage(wood, install.path("Textures/wood.VTT").c_str()));
  writeEffect("Mapped", ChunkBytes("VTAE")
                            .chunk("SRF0", surfacePayload(1, 2, "wood"))
                            .chunk("SRF0", surfacePayload(2, 3, "clip.avi"))
                            .chunk("SRF0", surfacePayload(3, 2, "missing")));
  ASSERT_EQ(1, loadDescription(description, "Mapped", 0));
  ASSERT_EQ(2u, description.textureCount);
  EXPECT_STREQ("wood", description.textures[0]->name);
  ASSERT_NE(nullptr, description.textures[0]->pixels);
  EXPECT_EQ(4, description.textures[0]->pixels[3]);
  EXPECT_STREQ("missing", description.textures[1]->name);
  EXPECT_EQ(nullptr, description.textures[1]->pixels);

  // A summary reads the title and flags only.
  writeEffect("Spin", ChunkBytes("VTAE")
                          .chunk("ENAM", textBytes("A long spinning title"))
                          .chunk("SRF0", surfacePayload(1, 2, "wood"))
                          .chunk("ALOW", le32(3)));
  char title[8];
  uint32_t flags = 99;
  EXPECT_EQ(1, readEffectSummary("Spin", title, sizeof title, &flags));
  EXPECT_STREQ("A long ", title);
  EXPECT_EQ(3u, flags);
  EXPECT_EQ(0, readEffectSummary("Nothing", title, sizeof title, &flags));
  EXPECT_STREQ("", title);
  EXPECT_EQ(0u, flags);
}

}  // namespace
}  // namespace vta
