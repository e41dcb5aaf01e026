// vtafx render: a saved record rendered as the demo host renders it (with an
// option set on the command line), and pictures mapped onto its objects.
#include <gtest/gtest.h>

#include "commands.h"
#include "image_io.h"
#include "mapped_pictures.h"
#include "model/components/surface.h"
#include "model/components/surface_fields.h"
#include "model/files/defaults_file.h"
#include "model/files/texture_file.h"
#include "picture_measures.h"
#include "render_commands.h"
#include "render_session.h"
#include "rgb_picture.h"
#include "tool_files.h"

namespace vtafx {
namespace {

using Render = SampleInstallation;
using vta::meanDifference;

Picture readFrame(const std::string& path) {
  Picture picture;
  std::string error;
  EXPECT_TRUE(readPicture(path, picture, error)) << path << ": " << error;
  return picture;
}

// A placeholder texture at path fitted into a frame of width x height.
vta::render::RgbPicture installedCard(const std::string& path, uint32_t width, uint32_t height) {
  vta::TextureImage texture;
  EXPECT_EQ(1, vta::loadTextureImage(texture, path.c_str()));
  const auto& image = reinterpret_cast<const VtaTextureImage&>(texture);
  return vta::render::fitPicture(vta::render::pictureOfTexture(image), width, height);
}

std::string savedRecord(const vta::TempFolder& folder, const char* effect) {
  vta::EffectSettings record;
  previewRecord(record, effect);
  const std::string file = folder.file("record.vri");
  EXPECT_EQ(1, vta::saveDefaultsFile(record, file.c_str()));
  return file;
}

TEST_F(Render, ARecordRendersItsEffectBetweenTheInstalledPictures) {
  vta::TempFolder folder;
  const std::string out = folder.file("frames");
  const CommandRun run =
      runCaptured(runRender, {"--record", savedRecord(folder, "Slide Left"), "--install", tree(),
                              "--size", "64x36", "--frames", "3", "--out", out, "--set", "5=0"});
  ASSERT_EQ(kExitOk, run.code);
  EXPECT_NE(std::string::npos, run.out.find("Slide Left: 3 frames of 64x36"));
  const vta::render::RgbPicture outgoing = installedCard(tree("Textures/PREVL_01.VTT"), 64, 36);
  const vta::render::RgbPicture incoming = installedCard(tree("Textures/PREVL_02.VTT"), 64, 36);
  EXPECT_LT(meanDifference(readFrame(out + "/Slide Left_000.png"), outgoing), 1.0);
  EXPECT_LT(meanDifference(readFrame(out + "/Slide Left_002.png"), incoming), 1.0);
  const Picture sheet = readFrame(out + "/Slide Left_sheet.png");
  EXPECT_EQ(2u * (64 + 2) + 2, sheet.width);
}

TEST_F(Render, RecordsThatCannotBeRenderedFail) {
  vta::TempFolder folder;
  vta::EffectSettings unnamed;
  const std::string empty = folder.file("empty.vri");
  ASSERT_EQ(1, vta::saveDefaultsFile(unnamed, empty.c_str()));
  for (const std::string& record : {empty, folder.file("missing.vri")}) {
    EXPECT_EQ(kExitFailed, runCaptured(runRender, {"--record", record, "--install", tree(), "--out",
                                                   folder.file("frames")})
                               .code)
        << record;
  }
}

// A record with a BMP sequence mapped onto object 1 of Slide Left: frame k
// of the render shows picture k on the object; a file that cannot be read
// is named in one warning and the render goes on.
TEST_F(Render, AMappedSequenceShowsOnItsObjectAndAnUnreadableOneIsNamed) {
  vta::TempFolder folder;
  const testpics::Rgb colours[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
  for (int i = 0; i < 3; ++i)
    ASSERT_TRUE(testpics::writeBytes(folder.file("logo0" + std::to_string(i) + ".bmp"),
                                     testpics::bmpFile(4, 4, {colours[i], colours[i]})));
  for (const std::string& mapped : {folder.file("logo00.bmp"), folder.file("gone00.bmp")}) {
    vta::EffectSettings record;
    previewRecord(record, "Slide Left");
    record.globalParams[VTA_LIGHTING] = 0;
    auto* surface = vta::makeComponent<vta::SurfaceComponent>(uint16_t{1}, 0.0f, 1.0f, 0, 0);
    surface->mappingKind = static_cast<uint16_t>(vta::SurfaceMapping::kBitmapSequence);
    std::snprintf(surface->mapFile, sizeof surface->mapFile, "%s", mapped.c_str());
    record.description.lists[vta::kSurfaces].append(surface);
    const std::string file = folder.file("record.vri"), out = folder.file("frames");
    ASSERT_EQ(1, vta::saveDefaultsFile(record, file.c_str()));
    testing::internal::CaptureStderr();
    const CommandRun run = runCaptured(runRender, {"--record", file, "--install", tree(), "--size",
                                                   "32x32", "--frames", "5", "--out", out});
    const std::string warnings = testing::internal::GetCapturedStderr();
    ASSERT_EQ(kExitOk, run.code) << mapped;
    const bool readable = mapped == folder.file("logo00.bmp");
    const size_t named = warnings.find(mapped);
    EXPECT_EQ(readable, named == std::string::npos) << warnings;
    EXPECT_EQ(named, warnings.rfind(mapped)) << "one warning";
    // The left middle of frames 0 and 1, which the object still covers.
    for (int k : {0, 1}) {
      const Picture frame = readFrame(out + "/Slide Left_00" + std::to_string(k) + ".png");
      const uint8_t* pixel = &frame.rgb[(16 * 32 + 2) * 3];
      const testpics::Rgb& wanted = colours[k];
      const bool sequence = std::abs(pixel[0] - wanted.r) + std::abs(pixel[1] - wanted.g) +
                                std::abs(pixel[2] - wanted.b) <
                            12;
      EXPECT_EQ(readable, sequence) << mapped << " frame " << k;
    }
  }
}

}  // namespace
}  // namespace vtafx
