// texture: pictures in and out; build: errors name the document's fault.
#include <gtest/gtest.h>

#include "commands.h"
#include "image_io.h"
#include "model/files/texture_file.h"
#include "tool_files.h"

namespace vtafx {
namespace {

class Texture : public ::testing::Test {
 protected:
  vta::TempFolder folder;
};

TEST_F(Texture, PpmInThenOutGivesTheSamePictureInTheLibrarysLayout) {
  const std::string ppm =
      folder.write("in.ppm", "P3\n# two by two\n2 2\n255\n255 0 0  0 255 0\n0 0 255  9 8 7\n");
  const std::string vtt = folder.file("t.vtt"), back = folder.file("back.ppm");
  ASSERT_EQ(kExitOk, runTexture({ppm, "-o", vtt}));
  vta::TextureImage image;
  ASSERT_EQ(1, vta::loadTextureImage(image, vtt.c_str()));
  EXPECT_EQ(2, image.format);
  EXPECT_EQ(1, image.order);
  EXPECT_EQ(8u, image.rowBytes);  // 6 bytes aligned to 4
  // Bottom-up, blue-green-red: the first stored pixel is the bottom left.
  EXPECT_EQ(255, image.pixels[0]);
  EXPECT_EQ(0, image.pixels[2]);
  ASSERT_EQ(kExitOk, runTexture({"--export", vtt, "-o", back}));
  EXPECT_EQ(std::string("P6\n2 2\n255\n\xff\0\0\0\xff\0\0\0\xff\x09\x08\x07", 23), readBytes(back));
}

TEST_F(Texture, PngRoundTripWhereTheBuildHasPng) {
  Picture picture{3, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}};
  std::string error;
  if (!writePicture(folder.file("p.png"), picture, error)) GTEST_SKIP() << error;
  ASSERT_EQ(kExitOk, runTexture({folder.file("p.png"), "-o", folder.file("p.vtt")}));
  ASSERT_EQ(kExitOk, runTexture({"--export", folder.file("p.vtt"), "-o", folder.file("q.png")}));
  Picture back;
  ASSERT_TRUE(readPicture(folder.file("q.png"), back, error)) << error;
  EXPECT_EQ(picture.rgb, back.rgb);
}

TEST_F(Texture, BadPicturesAreRefused) {
  for (const char* bytes : {"P6\n0 5\n255\n", "P6\n2 2\n255\nab", "P3\n1 1\n255\n300 0 0\n",
                            "P6 99999 2 255\n", "GIF89a"}) {
    EXPECT_EQ(kExitFailed, runTexture({folder.write("bad.ppm", bytes), "-o", folder.file("x.vtt")}))
        << bytes;
  }
}

TEST(Build, DocumentFaultsFailTheBuild) {
  vta::TempFolder folder;
  const std::string out = folder.file("out.bin");
  const char* documents[] = {
      "{\"kind\": \"groupList\", \"groups\": [{\"name\": \"A\", \"items\": ["
      "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\",\"12\",\"13\",\"14\","
      "\"15\",\"16\",\"17\"]}]}",
      "{\"kind\": \"effect\", \"variants\": [null, null, null, null, null, null, null, null, null, "
      "null, null,"
      " null, null, null, null, null, null, null, null, null, null]}",
      "{\"kind\": \"effect\", \"objects\": [{\"id\": 70000}]}",
      "{\"kind\": \"texture\", \"image\": {\"width\": 1, \"height\": 1, \"rowPixels\": 1, "
      "\"rowCount\": 1,"
      " \"bytesPerPixel\": 3, \"rowAlign\": 4, \"pixels\": \"00\"}}",
      "{\"kind\": \"sculpture\"}",
      "[1, 2]",
  };
  for (const char* text : documents) {
    const std::string in = folder.write("doc.json", text);
    EXPECT_EQ(kExitFailed, runBuild({in, "-o", out})) << text;
  }
}

}  // namespace
}  // namespace vtafx
