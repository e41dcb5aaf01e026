// texture: pictures in and out; build: errors name the document's fault;
// eval prints the argument as given and the value(s) with %.9g.
#include <gtest/gtest.h>

#include "commands.h"
#include "documents.h"
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

class Eval : public ::testing::Test {
 protected:
  std::string built(const std::string& json, const char* name) {
    const std::string path = folder.file(name);
    buildDocument(parsedJson(json), path.c_str());
    return path;
  }
  vta::TempFolder folder;
};

TEST_F(Eval, EnvelopePrintsOneValuePerArgument) {
  const std::string env = built(
      R"({"kind": "envelope", "id": 1, "keys": [{"time": 0, "value": 10}, {"time": 1, "value": 20}]})",
      "e.env");
  const CommandRun run = runCaptured(runEval, {"env", env, "0", "50%", "0.25", "1e0"});
  EXPECT_EQ(kExitOk, run.code);
  EXPECT_EQ("0 10\n50% 15\n0.25 12.5\n1e0 20\n", run.out);
}

TEST_F(Eval, PercentFindsAKeyMadeFromTheSamePercentExactly) {
  // 0.35 typed as a float is not 35 x 0.01f; the key was made from 35%.
  const std::string env = built(R"({"kind": "envelope", "id": 1, "keys": [{"time": 0, "value": 0},
      {"time": "35%", "value": 7, "linear": 1}, {"time": 1, "value": 0, "linear": 1}]})",
                                "k.env");
  EXPECT_EQ("35% 7\n", runCaptured(runEval, {"env", env, "35%"}).out);
}

TEST_F(Eval, PathPrintsTheNinePlacementValuesInKeyOrder) {
  const std::string pth = built(R"({"kind": "path", "id": 2, "keys": [
      {"time": 0, "position": [0, 0, 0], "rotation": [0, 0, 0], "scale": [1, 1, 1]},
      {"time": 1, "position": [2, 4, 6], "rotation": [10, 20, 30], "scale": [3, 3, 3], "linear": 1}]})",
                                "p.pth");
  EXPECT_EQ("50% 1 2 3 5 10 15 2 2 2\n", runCaptured(runEval, {"path", pth, "50%"}).out);
}

TEST_F(Eval, BadTimesAreUsageErrorsAndMissingFilesFailures) {
  const std::string env = built(R"({"kind": "envelope", "id": 1, "keys": []})", "z.env");
  EXPECT_EQ(kExitUsage, runCaptured(runEval, {"env", env, "half"}).code);
  EXPECT_EQ(kExitUsage, runCaptured(runEval, {"env", env, "2.5%"}).code);
  EXPECT_EQ(kExitUsage, runCaptured(runEval, {"env", env, "0.5x"}).code);
  EXPECT_EQ(kExitFailed, runCaptured(runEval, {"path", env, "0"}).code);  // an envelope is no path
}

}  // namespace
}  // namespace vtafx
