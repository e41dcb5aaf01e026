// The demo host reads the pictures the user picks through the Windows
// Imaging Component: BMP and PNG files give their pixels, top row first;
// other files are refused.
#include <gtest/gtest.h>

#include <windows.h>

#include "mapped_pictures.h"
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

TEST(PictureFile, BmpAndPngGiveTheirPixels) {
  vta::TempFolder folder;
  const RgbPicture p = pattern();
  const std::string bmp = folder.file("p.bmp"), png = folder.file("p.png");
  ASSERT_TRUE(testpics::writeBytes(bmp, testpics::bmpFile(3, 2, [&](int x, int y) {
                                     const uint8_t* q = &p.rgb[(y * 3 + x) * 3];
                                     return testpics::Rgb{q[0], q[1], q[2]};
                                   })));
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
