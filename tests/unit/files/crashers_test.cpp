// Crafted hostile files: every one must be refused or cut safely, never read
// past a payload, allocate what the file cannot justify, or crash.
#include <gtest/gtest.h>

#include "scratch_installation.h"
#include "model/effect_settings.h"
#include "model/files/defaults_file.h"
#include "model/files/effect_file.h"
#include "model/files/group_list.h"
#include "model/files/texture_file.h"
#include "platform/memory.h"

namespace vta {
namespace {

class Crashers : public ::testing::Test {
 protected:
  EffectDescription& load(const ChunkBytes& file) {
    install.write("Effects/hostile.VTA", file);
    loadDescription(description, "hostile", 0);
    return description;
  }
  TextureImage& icon(const std::string& payload) {
    return load(ChunkBytes("VTAE").chunk("IMG0", payload)).image;
  }
  Installation install;
  EffectDescription description;
};

TEST_F(Crashers, EffectsClampCountsIgnoreShortChunksEndTextsAndStopAtLongChunks) {
  EXPECT_EQ(20u, load(ChunkBytes("VTAE").chunk("VCNT", le32(0xFFFFFFFF))).variantCount);
  EXPECT_EQ(0u, load(ChunkBytes("VTAE").chunk("VCNT", "\5\0")).variantCount);
  load(ChunkBytes("VTAE")
           .chunk("VCNT", le32(2))
           .chunk("VDSC", "\1\0")
           .chunk("ETYP", "\7")
           .chunk("BEST", ""));
  EXPECT_EQ(nullptr, description.variantTexts[1]);
  EXPECT_EQ(0u, description.effectType);
  EXPECT_EQ(0.0f, description.best);
  // Texts without their NUL end at the payload.
  load(ChunkBytes("VTAE")
           .chunk("ENAM", "Unterminated")
           .chunk("DESC", "")
           .chunk("VCNT", le32(1))
           .chunk("VDSC", le32(0) + "abc")
           .chunk("ETYP", le32(9)));
  EXPECT_STREQ("Unterminated", description.title);
  EXPECT_STREQ("", description.text);
  EXPECT_STREQ("abc", description.variantTexts[0]);
  EXPECT_EQ(9u, description.effectType);
  char title[64];
  uint32_t flags = 0;
  EXPECT_EQ(1, readEffectSummary("hostile", title, sizeof title, &flags));
  EXPECT_STREQ("Unterminated", title);

  // Chunks longer than the file stop the load, and group lists cannot grow without end.
  load(ChunkBytes("VTAE").chunk("ENAM", textBytes("Before")).raw("SRF0" + le32(0xFFFFFFF0)));
  EXPECT_STREQ("Before", description.title);
  EXPECT_EQ(0u, description.lists[kSurfaces].count);
  EXPECT_EQ(0, loadDescription(description, "hostile", 0));

  ChunkBytes file("VTAG");
  for (int i = 0; i < kMaxGroups + 10; ++i) file.chunk("OGRP", "");
  EffectGroupList list;
  EXPECT_EQ(1, list.loadFromPath(install.write("many.org", file).c_str()));
  EXPECT_EQ(kMaxGroups, list.groupCount());
}

TEST_F(Crashers, ImpossibleSizesGetNoPixelsAndDefaultsNeverOverrunTheRecord) {
  EXPECT_EQ(nullptr, icon(iconHead(4, 4, 9000, 1, 9000, 1) + std::string(36000, 'p')).pixels);
  EXPECT_EQ(nullptr, icon(iconHead(255, 1, 8192, 8192, 8192, 8192)).pixels);  // > 4 GiB
  EXPECT_EQ(nullptr, icon(iconHead(1, 1, 4, 4, 4, 4) + std::string(15, 'p')).pixels);
  EXPECT_EQ(nullptr, icon(iconHead(1, 1, 5, 1, 4, 1) + std::string(4, 'p')).pixels);
  EXPECT_EQ(nullptr, icon(iconHead(1, 0, 1, 1, 1, 1) + "p").pixels);  // no alignment
  TextureImage& shortHead = icon(iconHead(1, 1, 1, 1, 1, 1).substr(0, 43));
  EXPECT_EQ(0u, shortHead.width);
  EXPECT_EQ(nullptr, shortHead.pixels);
  EXPECT_NE(nullptr, icon(iconHead(1, 1, 4, 4, 4, 4) + std::string(16, 'p')).pixels);

  const std::string path = install.write("huge.VTT", ChunkBytes("VTAI")
                                                         .chunk("IPXR", le32(0x40000000))
                                                         .chunk("ITRW", le32(0x40000000))
                                                         .chunk("IBPP", "\4")
                                                         .chunk("IALN", "\4")
                                                         .chunk("IBIS", "short")
                                                         .chunk("IFMT", "")
                                                         .chunk("IDAT", "pppp"));
  TextureImage image;
  EXPECT_EQ(0, loadTextureImage(image, path.c_str()));
  EXPECT_EQ(nullptr, image.pixels);

  EffectSettings record;
  record.globalParams[0] = 3.0f;
  install.write("Work/Defaults.VRI", ChunkBytes("VTAR").chunk("RIN0", std::string(2000, '\x41')));
  loadDefaults(record);
  EXPECT_EQ(0x41, reinterpret_cast<const uint8_t*>(&record)[kStoredFixedBytes - 1]);
  EXPECT_EQ(0, reinterpret_cast<const uint8_t*>(&record)[kStoredFixedBytes]);
  install.write("Work/Defaults.VRI", ChunkBytes("VTAR").chunk("RIN0", "ab"));
  record.globalParams[0] = 3.0f;
  loadDefaults(record);
  EXPECT_EQ(3.0f, record.globalParams[0]);
  EXPECT_EQ('\0', record.effectName[0]);
}

}  // namespace
}  // namespace vta
