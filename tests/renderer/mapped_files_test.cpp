// Files mapped onto an object (surfaces of kinds 3 to 5): which frame shows
// at which position, every layout of the picture files upright, and files
// that cannot be read showing the object's video source.

#include <cstdio>
#include <cstring>

#include "mapped_pictures.h"
#include "model/components/surface.h"
#include "model/components/surface_fields.h"
#include "render_fixture.h"

namespace rndtest {
namespace {

using testpics::Halves;
using testpics::Rgb;
using vta::SurfaceMapping;

constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kBlack{0, 0, 0};
enum Hue { kDark = -2, kMixed = -1, kRedHue = 0, kGreenHue = 1, kBlueHue = 2 };

// The hue of the upper or lower half of the frame's left quarter, which
// object 1 of Slide Left covers in its first frames.
Hue hueOf(const vtafx::Picture& p, bool upper) {
  double sum[3] = {0, 0, 0};
  int count = 0;
  const uint32_t y0 = upper ? p.height / 8 : p.height * 5 / 8;
  for (uint32_t y = y0; y < y0 + p.height / 4; ++y)
    for (uint32_t x = 1; x < p.width / 4; ++x, ++count)
      for (int c = 0; c < 3; ++c) sum[c] += p.rgb[(y * p.width + x) * 3 + c];
  int strong = -1, weak = 0;
  for (int c = 0; c < 3; ++c) {
    const double mean = sum[c] / count;
    if (mean > 100) strong = strong == -1 ? c : 3;
    if (mean < 60) ++weak;
  }
  if (weak == 3) return kDark;
  return strong >= 0 && strong < 3 && weak == 2 ? Hue(strong) : kMixed;
}

Halves plain(Rgb c) { return {c, c}; }

class MappedFilesTest : public RenderTest {
 protected:
  // Frame position of 10 of Slide Left with file mapped onto object 1.
  vtafx::Picture renderMapped(SurfaceMapping mapping, const std::string& file, float offset,
                              uint32_t position, const Options& options = {}) {
    session_.setUp(32, vtafx::placeholderSources(32), nullptr);
    vta::EffectSettings record;
    vtafx::previewRecord(record, "Slide Left");
    for (const auto& [index, value] : options) *record.parameter(index) = value;
    auto* surface = vta::makeComponent<vta::SurfaceComponent>(uint16_t{1}, 0.0f, 1.0f, 0, 0);
    surface->mappingKind = static_cast<uint16_t>(mapping);
    std::snprintf(surface->mapFile, sizeof surface->mapFile, "%s", file.c_str());
    surface->frameOffset = offset;
    record.description.lists[vta::kSurfaces].append(surface);
    session_.prepare(record);
    session_.render(record, position, 10);
    return session_.output().toPicture();
  }
  std::string write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = files_.file(name);
    EXPECT_TRUE(testpics::writeBytes(path, bytes)) << path;
    return path;
  }

  vta::TempFolder files_;
};

TEST_F(MappedFilesTest, BmpSequencePlaysFromItsOffsetAndHoldsItsLastFrame) {
  const Rgb colours[] = {kRed, kGreen, kBlue};
  for (int i = 0; i < 3; ++i)
    write("clip000" + std::to_string(7 + i) + ".bmp", testpics::bmpFile(8, 8, plain(colours[i])));
  const std::string first = files_.file("clip0007.bmp");
  const std::pair<uint32_t, Hue> frames[] = {{0, kGreenHue}, {1, kBlueHue}, {2, kBlueHue}};
  for (auto [position, hue] : frames)
    EXPECT_EQ(hue, hueOf(renderMapped(SurfaceMapping::kBitmapSequence, first, 1, position), true))
        << "position " << position;
  // In filter mode over source 2 the object (source 1) is left out, unless
  // it shows its mapped file.
  const Options filterOverSource2{{VTA_FILTER_ON, 1}, {VTA_FILTER_SOURCE, 1}};
  EXPECT_EQ(kGreenHue,
            hueOf(renderMapped(SurfaceMapping::kBitmapSequence, first, 1, 0, filterOverSource2), true));
  // The context keeps the decoded frames: they show with their files gone.
  for (int i = 0; i < 3; ++i) std::remove(files_.file("clip000" + std::to_string(7 + i) + ".bmp").c_str());
  EXPECT_EQ(kGreenHue, hueOf(renderMapped(SurfaceMapping::kBitmapSequence, first, 1, 0), true));
}

TEST_F(MappedFilesTest, PictureFilesOfEveryLayoutShowUpright) {
  const Halves redOverBlue{kRed, kBlue};
  const struct {
    const char* name;
    SurfaceMapping mapping;
    std::vector<uint8_t> bytes;
  } files[] = {
      {"bitmap.bmp", SurfaceMapping::kBitmapSequence, testpics::bmpFile(6, 6, redOverBlue)},
      {"plain_bottom.tga", SurfaceMapping::kTargaSequence,
       testpics::tgaFile(6, 6, redOverBlue, false, false)},
      {"plain_top.tga", SurfaceMapping::kTargaSequence, testpics::tgaFile(6, 6, redOverBlue, false, true)},
      {"rle_bottom.tga", SurfaceMapping::kTargaSequence, testpics::tgaFile(6, 6, redOverBlue, true, false)},
      {"rle_top.tga", SurfaceMapping::kTargaSequence, testpics::tgaFile(6, 6, redOverBlue, true, true)},
  };
  for (const auto& f : files) {
    // A name without a number is a still picture, held at every position.
    const vtafx::Picture p = renderMapped(f.mapping, write(f.name, f.bytes), 0, 2);
    EXPECT_EQ(kRedHue, hueOf(p, true)) << f.name;
    EXPECT_EQ(kBlueHue, hueOf(p, false)) << f.name;
  }
}

TEST_F(MappedFilesTest, AviClipPlaysFrameByFrameAndHoldsItsLast) {
  const std::string clip = files_.file("clip.avi");
  ASSERT_TRUE(testpics::writeAvi(clip, 8, 8, {{kRed, kBlack}, {kGreen, kBlack}, {kBlue, kBlack}}));
  const std::pair<uint32_t, Hue> frames[] = {{0, kRedHue}, {1, kGreenHue}, {2, kBlueHue}, {3, kBlueHue}, {1, kGreenHue}};
  for (auto [position, hue] : frames) {
    const vtafx::Picture p = renderMapped(SurfaceMapping::kAviClip, clip, 0, position);
    EXPECT_EQ(hue, hueOf(p, true)) << "position " << position;
    EXPECT_EQ(kDark, hueOf(p, false)) << "position " << position;
  }
}

// A missing file, and files whose headers claim huge pictures or whose data
// ends early: the object shows its video source, as without the mapping.
TEST_F(MappedFilesTest, UnreadableFilesShowTheVideoSource) {
  std::vector<uint8_t> hugeBmp = testpics::bmpFile(4, 4, plain(kRed));
  std::memcpy(&hugeBmp[18], "\x30\x75\x00\x00\x30\x75\x00\x00", 8);  // 30000 x 30000
  std::vector<uint8_t> truncatedBmp = testpics::bmpFile(4, 4, plain(kRed));
  std::memcpy(&truncatedBmp[18], "\xa0\x0f\x00\x00\xa0\x0f\x00\x00", 8);  // 4000 x 4000
  std::vector<uint8_t> hugeTga = testpics::tgaFile(4, 4, plain(kRed), true, false);
  std::memcpy(&hugeTga[12], "\xff\xff\xff\xff", 4);  // 65535 x 65535
  std::vector<uint8_t> truncatedTga = testpics::tgaFile(100, 100, plain(kRed), true, true);
  truncatedTga.resize(18 + 4 * 3);
  const std::string goodAvi = files_.file("good.avi");
  ASSERT_TRUE(testpics::writeAvi(goodAvi, 64, 64, {plain(kRed), plain(kGreen)}));
  std::vector<uint8_t> avi;
  {
    std::FILE* f = std::fopen(goodAvi.c_str(), "rb");
    ASSERT_NE(nullptr, f);
    avi.resize(64 * 64 * 3);
    avi.resize(std::fread(avi.data(), 1, avi.size(), f));
    std::fclose(f);
  }
  // The main header's and the stream's frame counts, buffer sizes and
  // picture sizes claim 0x7fff0000 each.
  ASSERT_GT(avi.size(), 200u);
  ASSERT_EQ(0, std::memcmp(&avi[24], "avih", 4));
  ASSERT_EQ(0, std::memcmp(&avi[100], "strh", 4));
  ASSERT_EQ(0, std::memcmp(&avi[164], "strf", 4));
  std::vector<uint8_t> hugeAvi = avi;
  for (size_t at : {48, 60, 64, 68, 140, 144, 176, 180, 192})
    std::memcpy(&hugeAvi[at], "\x00\x00\xff\x7f", 4);
  std::vector<uint8_t> truncatedAvi(avi.begin(), avi.begin() + std::min<size_t>(avi.size(), 300));
  const struct {
    const char* name;
    SurfaceMapping mapping;
    std::vector<uint8_t> bytes;
  } files[] = {
      {"huge.bmp", SurfaceMapping::kBitmapSequence, hugeBmp},
      {"truncated.bmp", SurfaceMapping::kBitmapSequence, truncatedBmp},
      {"huge.tga", SurfaceMapping::kTargaSequence, hugeTga},
      {"truncated.tga", SurfaceMapping::kTargaSequence, truncatedTga},
      {"huge.avi", SurfaceMapping::kAviClip, hugeAvi},
      {"truncated.avi", SurfaceMapping::kAviClip, truncatedAvi},
      {"empty.avi", SurfaceMapping::kAviClip, {}},
  };
  const vtafx::Picture unmapped = render("Slide Left", 2, 10);
  EXPECT_LT(meanDifference(renderMapped(SurfaceMapping::kAviClip, files_.file("none.avi"), 0, 2),
                           unmapped), 0.5);
  for (const auto& f : files)
    EXPECT_LT(meanDifference(renderMapped(f.mapping, write(f.name, f.bytes), 0, 2), unmapped), 0.5)
        << f.name;
}

}  // namespace
}  // namespace rndtest
