#include <gtest/gtest.h>

#include "model/components/envelope.h"
#include "scratch_installation.h"
#include "model/components/surface.h"
#include "model/files/defaults_file.h"
#include "model/files/effect_file.h"
#include "model/owned_text.h"

namespace vta {
namespace {

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
    d.image.format = 2;
    d.image.bytesPerPixel = 3;
    d.image.rowAlign = 4;
    d.image.width = d.image.height = d.image.rowPixels = d.image.rowCount = 2;
    d.image.computeRowLayout();
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

}  // namespace
}  // namespace vta
