#include <gtest/gtest.h>

#include "scratch_installation.h"
#include "model/files/texture_file.h"
#include "platform/memory.h"

namespace vta {
namespace {

TEST(IconPayload, WrittenPayloadWithPaddedRowsReadsBackEqual) {
  TextureImage icon;
  // Rows of three 2-byte pixels padded to 8 bytes (the row layout itself is
  // TextureRowLayout's).
  const std::string source = iconHead(2, 4, 3, 3, 3, 3) + "abcdef..ghijkl..mnopqr..";
  ASSERT_TRUE(readIconPayload(icon, reinterpret_cast<const uint8_t*>(source.data()),
                              static_cast<uint32_t>(source.size())));
  icon.imageReals[2] = 0.5f;
  uint32_t length = 0;
  uint8_t* payload = writeIconPayload(icon, &length);
  ASSERT_NE(nullptr, payload);
  TextureImage copy;
  copy.imageWord = 7;
  EXPECT_TRUE(readIconPayload(copy, payload, length));
  release(payload);
  EXPECT_EQ(source.size(), length);
  EXPECT_EQ(0u, copy.imageWord);
  EXPECT_EQ(0.5f, copy.imageReals[2]);
  EXPECT_EQ(1, copy.format);
  EXPECT_EQ(2, copy.order);
  EXPECT_EQ(8u, copy.rowBytes);
  EXPECT_EQ(0, compareBytes(copy.pixels, "abcdef..ghijkl..mnopqr..", 24));
}

TEST(TextureFile, SavedImageLoadsBackNamedByItsPathAndPixelsBeforeTheirSizesDoNot) {
  Installation install;
  TextureImage image;
  const std::string source = iconHead(1, 4, 2, 2, 3, 2) + "xyz.uvw.";
  ASSERT_TRUE(readIconPayload(image, reinterpret_cast<const uint8_t*>(source.data()),
                              static_cast<uint32_t>(source.size())));
  image.skipPixels = 1;
  image.imageReals[3] = -2.5f;
  const std::string path = install.path("marble.VTT");
  ASSERT_EQ(1, saveTextureImage(image, path.c_str()));
  TextureImage loaded;
  ASSERT_EQ(1, loadTextureImage(loaded, path.c_str()));
  EXPECT_EQ(path, loaded.name);
  EXPECT_EQ(1u, loaded.skipPixels);
  EXPECT_EQ(-2.5f, loaded.imageReals[3]);
  EXPECT_EQ(4u, loaded.rowBytes);
  EXPECT_EQ(0, compareBytes(loaded.pixels, "xyz.uvw.", 8));

  // Pixels before their sizes, or a missing file, give no pixels.
  const std::string early = install.write("early.VTT", ChunkBytes("VTAI")
                                                           .chunk("IDAT", "abcd")
                                                           .chunk("IWID", le32(2))
                                                           .chunk("IHIT", le32(2))
                                                           .chunk("IPXR", le32(2))
                                                           .chunk("ITRW", le32(2))
                                                           .chunk("IBPP", "\1")
                                                           .chunk("IALN", "\1"));
  TextureImage refused;
  EXPECT_EQ(0, loadTextureImage(refused, early.c_str()));
  EXPECT_EQ(nullptr, refused.pixels);
  EXPECT_EQ(nullptr, refused.name);
  EXPECT_EQ(2u, refused.width);
  EXPECT_EQ(0, loadTextureImage(refused, install.path("absent.VTT").c_str()));
  EXPECT_EQ(0u, refused.width);
}

}  // namespace
}  // namespace vta
