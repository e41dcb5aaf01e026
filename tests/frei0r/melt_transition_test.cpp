// vantaro.so driven by MLT's melt, a frei0r host none of us wrote: a red
// and a blue colour clip of 50 frames joined by a 25-frame mix whose
// transition is frei0r.vantaro with its progress animated from 0 to 1,
// written as raw RGB frames.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "model/files/defaults_file.h"
#include "temp_folder.h"
#include "vantaro/vantaro.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 160, kHeight = 120, kClipFrames = 50, kMixFrames = 25;
constexpr int kFirstMixed = kClipFrames - kMixFrames, kLastMixed = kClipFrames - 1;
constexpr int kMiddle = (kFirstMixed + kLastMixed) / 2;

bool meltInstalled() {
  const char* path = std::getenv("PATH");
  for (std::string rest = path ? path : ""; !rest.empty();) {
    const size_t colon = rest.find(':');
    if (fs::exists(fs::path(rest.substr(0, colon)) / "melt")) return true;
    rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
  }
  return false;
}

struct Rgb {
  int r, g, b;
};
constexpr Rgb kRed{255, 0, 0}, kBlue{0, 0, 255};

struct MeltRun {
  vta::TempFolder folder;
  std::string video, errors;

  // Runs melt with the transition's own parameters (each "name=value").
  explicit MeltRun(const std::string& parameters) {
    const std::string command =
        "FREI0R_PATH='" VANTARO_FREI0R_DIR "' melt -quiet color:red out=" +
        std::to_string(kClipFrames - 1) + " color:blue out=" + std::to_string(kClipFrames - 1) +
        " -mix " + std::to_string(kMixFrames) + " -mixer frei0r.vantaro " + parameters +
        " 'progress=0=0;" + std::to_string(kMixFrames - 1) + "=1' -consumer avformat:'" +
        folder.file("mix.rgb") + "' f=rawvideo vcodec=rawvideo pix_fmt=rgb24 an=1 width=" +
        std::to_string(kWidth) + " height=" + std::to_string(kHeight) + " 2>'" +
        folder.file("errors.txt") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    video = folder.read("mix.rgb");
    errors = folder.read("errors.txt");
  }

  int frames() const { return int(video.size() / (kWidth * kHeight * 3)); }
  bool shows(int frame, int x, int y, Rgb colour) const {
    const auto* p = reinterpret_cast<const uint8_t*>(video.data()) +
                    ((size_t(frame) * kHeight + y) * kWidth + x) * 3;
    return std::abs(p[0] - colour.r) < 8 && std::abs(p[1] - colour.g) < 8 &&
           std::abs(p[2] - colour.b) < 8;
  }
  bool whole(int frame, Rgb colour) const {
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (!shows(frame, x, y, colour)) return false;
    return true;
  }
  // The middle frame: left of the middle column one colour, right of it
  // the other, split within a few pixels of where the slide puts it.
  void expectSplit(Rgb left, Rgb right) const {
    for (int y = 0; y < kHeight; y += 7)
      for (int x = 0; x < kWidth; ++x) {
        const int side = x < kWidth / 2 - 2 ? -1 : x > kWidth / 2 + 1 ? 1 : 0;
        if (side != 0) {
          EXPECT_TRUE(shows(kMiddle, x, y, side < 0 ? left : right)) << x << "," << y;
        }
      }
  }
};

class MeltTransition : public testing::Test {
 protected:
  void SetUp() override {
    if (!meltInstalled()) GTEST_SKIP() << "melt is not installed (Debian package melt)";
  }
};

TEST_F(MeltTransition, SlideLeftTakesTheOutgoingClipOutToTheLeft) {
  const MeltRun run("'effect=Slide Left'");
  ASSERT_EQ(run.frames(), 2 * kClipFrames - kMixFrames) << run.errors;
  EXPECT_TRUE(run.whole(kFirstMixed - 1, kRed));
  EXPECT_TRUE(run.whole(kFirstMixed, kRed));
  EXPECT_TRUE(run.whole(kLastMixed, kBlue));
  EXPECT_TRUE(run.whole(kLastMixed + 1, kBlue));
  run.expectSplit(kRed, kBlue);
  EXPECT_EQ(run.errors.find("vantaro"), std::string::npos) << run.errors;
}

// A saved record names the effect and its options win: in Fly-On the
// incoming clip slides in from the left.
TEST_F(MeltTransition, ASavedRecordsEffectAndOptionsAreDrawn) {
  vta::TempFolder records;
  vta::EffectSettings record;
  std::strcpy(record.effectName, "Slide Left");
  record.globalParams[VTA_FLY_MODE] = 1;
  const std::string file = records.file("fly-on.vri");
  ASSERT_EQ(vta::saveDefaultsFile(record, file.c_str()), 1);

  const MeltRun run("'record=" + file + "'");
  ASSERT_EQ(run.frames(), 2 * kClipFrames - kMixFrames) << run.errors;
  EXPECT_TRUE(run.whole(kFirstMixed, kRed));
  EXPECT_TRUE(run.whole(kLastMixed, kBlue));
  run.expectSplit(kBlue, kRed);
}

TEST_F(MeltTransition, AMissingEffectShowsAPlainCutAndSaysWhyOnce) {
  const MeltRun run("'effect=No Such Effect'");
  ASSERT_EQ(run.frames(), 2 * kClipFrames - kMixFrames) << run.errors;
  for (int frame = kFirstMixed; frame <= kLastMixed; ++frame)
    EXPECT_TRUE(run.whole(frame, frame < kMiddle ? kRed : kBlue)) << frame;
  const size_t said = run.errors.find("No Such Effect");
  EXPECT_NE(said, std::string::npos) << run.errors;
  EXPECT_EQ(run.errors.find("No Such Effect", said + 1), std::string::npos) << run.errors;
}

}  // namespace
