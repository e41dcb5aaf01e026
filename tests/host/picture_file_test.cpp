// The demo host reads the pictures the user picks through the Windows
// Imaging Component: BMP and PNG files give their pixels, top row first;
// other files are refused.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "picture_file.h"
#include "png_writer.h"
#include "temp_folder.h"

namespace hosttest {
namespace {

using vta::render::RgbPicture;

// Three by two pixels, every one different.
RgbPicture pattern() {
  RgbPicture p{3, 2, {}};
  for (uint8_t i = 0; i < 18; ++i) p.rgb.push_back(static_cast<uint8_t>(i * 13 + 7));
  return p;
}

// A 24-bit bottom-up BMP of p.
std::string bmpOf(const RgbPicture& p) {
  const uint32_t stride = (p.width * 3 + 3) & ~3u, size = 54 + stride * p.height;
  std::string file(size, '\0');
  auto put = [&](size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + i] = static_cast<char>(value >> (8 * i));
  };
  file[0] = 'B', file[1] = 'M';
  put(2, size, 4), put(10, 54, 4), put(14, 40, 4), put(18, p.width, 4), put(22, p.height, 4);
  put(26, 1, 2), put(28, 24, 2);
  for (uint32_t y = 0; y < p.height; ++y)
    for (uint32_t x = 0; x < p.width; ++x)
      for (int c = 0; c < 3; ++c) {
        const uint8_t value = p.rgb[(y * p.width + x) * 3 + 2 - c];  // blue, green, red
        file[54 + (p.height - 1 - y) * stride + x * 3 + c] = static_cast<char>(value);
      }
  return file;
}

TEST(PictureFile, BmpAndPngGiveTheirPixels) {
  vta::TempFolder folder;
  const RgbPicture p = pattern();
  const std::string bmp = folder.write("p.bmp", bmpOf(p)), png = folder.file("p.png");
  ASSERT_TRUE(vta::writePng(png.c_str(), 3, 2, p.rgb.data()));
  for (const std::string& file : {bmp, png}) {
    RgbPicture read;
    std::string error;
    ASSERT_TRUE(vta::host::readPictureFile(file, read, error)) << error;
    EXPECT_EQ(3u, read.width) << file;
    EXPECT_EQ(2u, read.height) << file;
    EXPECT_EQ(p.rgb, read.rgb) << file;
  }
}

TEST(PictureFile, OtherFilesAreRefused) {
  vta::TempFolder folder;
  RgbPicture read;
  for (const std::string& file :
       {folder.write("text.png", "not a picture"), folder.file("missing.bmp")}) {
    std::string error;
    EXPECT_FALSE(vta::host::readPictureFile(file, read, error)) << file;
    EXPECT_NE(std::string::npos, error.find(file));
  }
}

}  // namespace
}  // namespace hosttest
