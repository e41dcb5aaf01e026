// TextureImage row layout, pixel ownership and copies.
#include <gtest/gtest.h>

#include <cstring>

#include "model/texture_image.h"

namespace vta::test {
namespace {

TextureImage& sized(TextureImage& image, uint32_t rowPixels, uint8_t bytesPerPixel,
                    uint8_t rowAlign, uint32_t rowCount) {
  image.rowPixels = rowPixels;
  image.bytesPerPixel = bytesPerPixel;
  image.rowAlign = rowAlign;
  image.rowCount = rowCount;
  return image;
}

TEST(TextureRowLayout, RoundsRowsUpToTheAlignmentKeepsValuesForZeroAndRefusesHugeOnes) {
  TextureImage image;
  ASSERT_TRUE(sized(image, 3, 3, 4, 5).computeRowLayout());
  EXPECT_EQ(12u, image.rowBytes);
  EXPECT_EQ(60u, image.dataSize);
  ASSERT_TRUE(sized(image, 3, 3, 8, 5).computeRowLayout());
  EXPECT_EQ(16u, image.rowBytes);
  ASSERT_TRUE(sized(image, 3, 3, 3, 1).computeRowLayout());
  EXPECT_EQ(9u, image.rowBytes) << "alignment need not be a power of two";
  // Alignment zero keeps the earlier values.
  image.rowBytes = 7;
  image.dataSize = 70;
  ASSERT_TRUE(sized(image, 100, 4, 0, 100).computeRowLayout());
  EXPECT_EQ(7u, image.rowBytes);
  EXPECT_EQ(70u, image.dataSize);

  // Pictures beyond the size limit are refused.
  image.rowBytes = 1;
  EXPECT_FALSE(sized(image, 8193, 3, 4, 10).computeRowLayout());
  EXPECT_FALSE(sized(image, 10, 3, 4, 0xFFFFFFFFu).computeRowLayout());
  image.width = 9000;
  EXPECT_FALSE(sized(image, 10, 3, 4, 10).computeRowLayout());
  EXPECT_EQ(1u, image.rowBytes) << "a refused layout changes nothing";
  image.width = 8192;
  EXPECT_TRUE(sized(image, 8192, 4, 4, 8192).computeRowLayout());
  EXPECT_EQ(8192u * 4 * 8192, image.dataSize);
  EXPECT_FALSE(sized(image, 8192, 255, 255, 8192).computeRowLayout())
      << "more than 32 bits of pixel data";
}

TEST(TexturePixels, ShortDataLeavesTheImageWithoutPixelsAndClearKeepsBorrowedOnes) {
  TextureImage image;
  ASSERT_TRUE(sized(image, 2, 3, 4, 2).computeRowLayout());  // 16 bytes
  const uint8_t data[16] = {9};
  EXPECT_FALSE(image.takePixels(data, 15));
  EXPECT_EQ(nullptr, image.pixels);
  EXPECT_EQ(0u, image.ownsPixels);
  EXPECT_TRUE(image.takePixels(data, 16));
  EXPECT_EQ(9, image.pixels[0]);
  EXPECT_EQ(1u, image.ownsPixels);
  uint8_t borrowed[4] = {1, 2, 3, 4};
  image.clear();
  image.pixels = borrowed;  // not owned: a render target, say
  image.clear();
  EXPECT_EQ(nullptr, image.pixels);
  EXPECT_EQ(4, borrowed[3]) << "clear does not release borrowed pixels";
}

TEST(TextureCopy, IsIndependentAndComplete) {
  TextureImage source;
  source.setName("brick");
  source.format = 2;
  source.imageReals[3] = 0.25f;
  source.skipRows = 1;
  ASSERT_TRUE(sized(source, 1, 4, 4, 2).computeRowLayout());
  const uint8_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  ASSERT_TRUE(source.takePixels(data, sizeof data));

  TextureImage copy;
  copy.copyFrom(source);
  EXPECT_STREQ("brick", copy.name);
  EXPECT_NE(source.name, copy.name);
  EXPECT_EQ(2, copy.format);
  EXPECT_EQ(0.25f, copy.imageReals[3]);
  EXPECT_EQ(1u, copy.skipRows);
  EXPECT_EQ(8u, copy.dataSize);
  ASSERT_NE(nullptr, copy.pixels);
  EXPECT_NE(source.pixels, copy.pixels);
  EXPECT_EQ(0, std::memcmp(data, copy.pixels, 8));

  source.clear();
  EXPECT_EQ(8, copy.pixels[7]);
}

}  // namespace
}  // namespace vta::test
