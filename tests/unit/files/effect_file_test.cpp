// Effect files read and written, and the defaults file: written to a path,
// and the user's defaults saved to and restored from the installation.
#include <gtest/gtest.h>

#include "model/components/envelope.h"
#include "model/components/surface.h"
#include "failing_saves.h"
#include "model/files/defaults_file.h"
#include "model/files/effect_file.h"
#include "model/files/texture_file.h"
#include "model/owned_text.h"
#include "platform/memory.h"
#include "platform/settings_store.h"
#include "scratch_installation.h"

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

class EffectFileWriterTest : public ::testing::Test {
 protected:
  // A description with texts, variants (one left unset), an icon and two
  // linked components.
  void fill(EffectDescription& d) {
    d.effectType = 1;
    d.title = duplicateText("Page Turn");
    d.text = duplicateText("Turns the page.");
    d.resetVariants(3);
    d.setVariantText(0, "Front");
    d.setVariantText(2, "Back");
    d.best = 42.5f;
    d.allowFlags = 1;
    d.image.describeBgr24(2, 2, 4);
    const uint8_t pixels[16] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    d.image.takePixels(pixels, sizeof pixels);
    auto* surface = makeComponent<SurfaceComponent>(1, 0.0f, 1.0f, 0, 0);
    surface->mappingKind = 1;
    d.lists[kSurfaces].append(surface);
    auto* envelope = makeComponent<EnvelopeComponent>(2, 0.0f, 1.0f, 1, 0);
    envelope->insertKey(EnvelopeKey{0.0f, 3.0f, 0, 0, 0, 0, 0});
    envelope->insertKey(EnvelopeKey{1.0f, 5.0f, 0, 0, 0, 1, 0});
    d.lists[kEnvelopes].append(envelope);
  }
  Installation install;
};

// Icon and texts precede the components, for loads that stop after the icon.
TEST_F(EffectFileWriterTest, SavedEffectLoadsBackEqualAndSavesToTheSameBytes) {
  EffectDescription written, read, iconOnly;
  fill(written);
  const std::string first = install.path("first.vta"), second = install.path("second.vta");
  ASSERT_EQ(1, saveEffectFile(written, first.c_str()));
  ASSERT_EQ(1, loadDescriptionFile(read, first.c_str(), 0));
  EXPECT_EQ(0, read.compare(written));
  EXPECT_STREQ("Page Turn", read.title);
  EXPECT_STREQ("Turns the page.", read.text);
  ASSERT_EQ(3u, read.variantCount);
  EXPECT_STREQ("Front", read.variantTexts[0]);
  EXPECT_EQ(nullptr, read.variantTexts[1]);
  EXPECT_STREQ("Back", read.variantTexts[2]);
  EXPECT_EQ(42.5f, read.best);
  ASSERT_NE(nullptr, read.image.pixels);
  EXPECT_EQ(0, compareBytes(written.image.pixels, read.image.pixels, 16));
  ASSERT_EQ(1, saveEffectFile(read, second.c_str()));
  EXPECT_EQ(install.read("first.vta"), install.read("second.vta"));
  ASSERT_EQ(1, loadDescriptionFile(iconOnly, first.c_str(), fourCC("IMG0")));
  EXPECT_STREQ("Page Turn", iconOnly.title);
  EXPECT_NE(nullptr, iconOnly.image.pixels);
  EXPECT_EQ(0u, iconOnly.lists[kSurfaces].count);
}

TEST_F(EffectFileWriterTest, DescriptionWithoutTextsOrIconWritesNeitherAndDefaultsKeepTheName) {
  EffectDescription empty, read;
  const std::string path = install.path("empty.vta");
  ASSERT_EQ(1, saveEffectFile(empty, path.c_str()));
  // ETYP, VCNT, BEST and ALOW: 4 + 4 x (8 + 4) bytes.
  EXPECT_EQ(52u, install.read("empty.vta").size());
  ASSERT_EQ(1, loadDescriptionFile(read, path.c_str(), 0));
  EXPECT_EQ(nullptr, read.title);
  EXPECT_EQ(nullptr, read.image.pixels);

  // A defaults file at a path keeps the stored name.
  EffectSettings saved, loaded;
  copyString(saved.effectName, "Cube Spin");
  saved.globalParams[VTA_TRANSITION_PERIOD] = 80.0f;
  fill(saved.description);
  const std::string defaults = install.path("d.vri");
  ASSERT_EQ(1, saveDefaultsFile(saved, defaults.c_str()));
  ASSERT_EQ(1, loadDefaultsFile(loaded, defaults.c_str()));
  EXPECT_STREQ("Cube Spin", loaded.effectName);
  EXPECT_EQ(80.0f, loaded.globalParams[VTA_TRANSITION_PERIOD]);
  // Only the components are stored, not the effect's type or flags.
  EXPECT_TRUE(loaded.description.lists[kSurfaces].equals(saved.description.lists[kSurfaces]));
  EXPECT_TRUE(loaded.description.lists[kEnvelopes].equals(saved.description.lists[kEnvelopes]));
}

const uint8_t* bytesOf(const EffectSettings& record) {
  return reinterpret_cast<const uint8_t*>(&record);
}

void fillRecord(EffectSettings& record) {
  copyString(record.effectName, "Ripple");
  fillBytes(record.padding, 0xA5, sizeof record.padding);
  for (int i = 0; i < kGlobalParamCount; ++i) record.globalParams[i] = i * 0.5f;
  record.objectParams[3][7] = 42.0f;
  record.objectParams[19][9] = -1.0f;  // only its lowest byte is stored
  auto* surface =
      makeComponent<SurfaceComponent>(uint16_t{1}, 0.0f, 1.0f, uint16_t{0}, uint16_t{0});
  surface->mappingKind = 2;
  copyString(surface->mapFile, "wood");
  record.description.lists[kSurfaces].append(surface);
}

TEST(DefaultsFile, SavedDefaultsRestoreTheStoredBytesAndComponents) {
  Installation install;
  install.makeFolder("Work");
  EffectSettings saved;
  fillRecord(saved);
  const char* error = "unset";
  ASSERT_EQ(1, saveDefaults(saved, &error));
  EXPECT_EQ(nullptr, error);

  EffectSettings loaded;
  loadDefaults(loaded);
  EXPECT_EQ('\0', loaded.effectName[0]);
  EXPECT_EQ(0, compareBytes(bytesOf(saved) + 1, bytesOf(loaded) + 1, kStoredFixedBytes - 1));
  EXPECT_EQ(0, compareBytes(bytesOf(loaded) + kStoredFixedBytes, "\0\0\0", 3));
  EXPECT_TRUE(loaded.description.lists[kSurfaces].equals(saved.description.lists[kSurfaces]));
  ASSERT_EQ(1u, loaded.description.textureCount);  // textures follow the restored surfaces
  EXPECT_STREQ("wood", loaded.description.textures[0]->name);
}

TEST(DefaultsFile, WithoutADefaultsFileTheRecordIsUntouched) {
  Installation install;
  EffectSettings record;
  fillRecord(record);
  EffectSettings before;
  before.copyFrom(record);
  loadDefaults(record);
  EXPECT_EQ(0, record.differs(before));
  EXPECT_STREQ("Ripple", record.effectName);
}

TEST(DefaultsFile, FailedSavesSayWhyAndKeepThePreviousFile) {
  EffectSettings record;
  fillRecord(record);
  const char* error = nullptr;
  {
    SettingsSandbox noInstallation;
    EXPECT_EQ(0, saveDefaults(record, &error));
    EXPECT_STREQ("Error settings filename for defaults.", error);
  }
  Installation install;
  EXPECT_EQ(0, saveDefaults(record, &error));  // no "Work" folder
  EXPECT_STREQ("Could not create defaults file.", error);

  const std::string previous = ChunkBytes("VTAR").chunk("RIN0", "old");
  install.write("Work/Defaults.VRI", previous);
  FailingSaves failing(SaveStep::kOpen);
  EXPECT_EQ(0, saveDefaults(record, &error));
  EXPECT_STREQ("Could not create defaults file.", error);
  EXPECT_EQ(previous, install.read("Work/Defaults.VRI"));
}

}  // namespace
}  // namespace vta
