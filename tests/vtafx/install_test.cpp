// install builds a tree that the library's effect-list update turns into a
// current list naming every offered sample effect. Icons made by install
// --renderer: the sample effects' icons are the preview's frames at their
// best moment; an icon the document gives is kept; a renderer that cannot be
// loaded or draws nothing fails the install. The preview's placeholder
// pictures: the same bytes from every build, twenty scenes that do not look
// alike, each with its number on a badge in the top left corner.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "commands.h"
#include "documents.h"
#include "effect_json.h"
#include "icon_art.h"
#include "image_json.h"
#include "model/components/object.h"
#include "model/files/effect_file.h"
#include "model/files/effect_list_update.h"
#include "model/files/group_list.h"
#include "model/files/texture_file.h"
#include "placeholders.h"
#include "platform/file_system.h"
#include "render_session.h"
#include "source_pictures.h"
#include "texture_pixels.h"
#include "tool_files.h"
#include "validate.h"

namespace vtafx {
namespace {

using Install = SampleInstallation;

TEST_F(Install, EffectListUpdateNamesEveryOfferedSampleEffect) {
  vta::EffectListUpdate update;
  ASSERT_TRUE(update.prepare());
  ASSERT_EQ(1, update.build(nullptr));
  update.finish();
  vta::EffectGroupList current;
  ASSERT_EQ(1, current.loadByName("current"));
  EXPECT_GE(current.groupCount(), 4);
  std::set<std::string> listed;
  for (int g = 0; g < current.groupCount(); ++g) {
    for (int j = 0; j < current.itemCount(g); ++j) listed.insert(current.itemName(g, j));
  }
  size_t offered = 0;
  for (const SampleEffect& effect : sampleEffects()) {
    EXPECT_EQ(effect.offered, listed.count(effect.title) == 1) << effect.title;
    offered += effect.offered ? 1 : 0;
  }
  EXPECT_GE(offered, 24u);
  EXPECT_EQ(offered, listed.size());
}

// Between them the effects use every component kind.
TEST_F(Install, EffectsOpenByTitleWithIconsTexturesAndEveryComponentKind) {
  std::set<std::string> icons;
  int textured = 0;
  uint32_t used[vta::kComponentKindCount] = {};
  for (const SampleEffect& effect : sampleEffects()) {
    vta::EffectDescription d;
    ASSERT_EQ(1, vta::loadDescription(d, effect.title.c_str(), 0)) << effect.title;
    for (int k = 0; k < vta::kComponentKindCount; ++k) used[k] += d.lists[k].count;
    ASSERT_NE(nullptr, d.image.pixels) << effect.title;
    icons.insert(std::string(reinterpret_cast<const char*>(d.image.pixels), d.image.dataSize));
    EXPECT_GE(d.lists[vta::kObjects].count, 1u);
    EXPECT_LE(d.lists[vta::kObjects].count, 4u);
    for (const vta::EffectComponent* c = d.lists[vta::kObjects].head; c; c = c->next) {
      EXPECT_EQ(0, static_cast<const vta::ObjectComponent*>(c)->secondWord)
          << effect.title << ": the Objects page's Path Editor opens only on such objects";
    }
    for (uint32_t i = 0; i < d.textureCount; ++i) {
      EXPECT_NE(nullptr, d.textures[i]->pixels) << effect.title << " " << d.textures[i]->name;
      ++textured;
    }
  }
  EXPECT_EQ(sampleEffects().size(), icons.size()) << "every effect has its own icon";
  EXPECT_GT(textured, 0);
  for (int k = 0; k < vta::kComponentKindCount; ++k) EXPECT_GT(used[k], 0u) << "list " << k;
}

TEST_F(Install, PreviewPlaceholdersForEveryQualityAreDistinctPictures) {
  const struct {
    const char* prefix;
    uint32_t size;
  } qualities[] = {{"PREVS_", 32}, {"PREVM_", 64}, {"PREVL_", 128}};
  for (const auto& q : qualities) {
    std::set<std::string> pictures;
    for (int k = 1; k <= 20; ++k) {
      char name[16];
      std::snprintf(name, sizeof name, "%s%02d", q.prefix, k);
      const std::string path = tree("Textures/" + std::string(name) + ".VTT");
      vta::TextureImage image;
      ASSERT_EQ(1, vta::loadTextureImage(image, path.c_str())) << name;
      EXPECT_EQ(q.size, image.width);
      EXPECT_EQ(q.size, image.height);
      pictures.insert(std::string(reinterpret_cast<const char*>(image.pixels), image.dataSize));
    }
    EXPECT_EQ(20u, pictures.size()) << q.prefix;
  }
}

TEST_F(Install, EveryInstalledFileValidatesClean) {
  for (const char* folder : {"EFFECTS", "Textures"}) {
    const std::string path = tree(folder);
    for (const std::string& name : vta::listDirectory(path.c_str(), "*")) {
      for (const Problem& p : validateFile((path + "/" + name).c_str()))
        ADD_FAILURE() << formatProblem(name, p);
    }
  }
}

TEST_F(Install, RendererWarpAndTheFoldersForUserFilesAreInstalledAndNothingElse) {
  namespace fs = std::filesystem;
  const std::string renderer = fs::path(RND_SOFTWARE_PATH).filename().string();
  EXPECT_EQ(readBytes(RND_SOFTWARE_PATH), readBytes(tree("LIBS/" + renderer)));
  EXPECT_EQ(readBytes(RIPPLE_WARP_PATH), readBytes(tree("WARPS/Ripple.WRP")));
  const std::set<std::string> top = vta::fileNames(tree());
  EXPECT_EQ((std::set<std::string>{".vtafx-install", "EFFECTS", "Envelopes", "LIBS", "Paths",
                                   "Textures", "WARPS", "Work", "orgs"}),
            top);
  for (const std::string& name : top)
    EXPECT_EQ(name != ".vtafx-install", fs::is_directory(tree(name))) << name;
}

TEST(InstallSources, MissingSourcesFailWithoutATree) {
  vta::TempFolder folder;
  EXPECT_EQ(kExitFailed,
            runCaptured(runInstall, {folder.file("nowhere"), folder.file("out")}).code);
}

using RenderedIcons = SampleInstallation;

constexpr uint32_t kBestRange = 100;

Picture pictureOf(const vta::TextureImage& image) {
  Picture picture;
  std::string error;
  EXPECT_TRUE(pictureFromTexture(image, picture, error)) << error;
  return picture;
}

size_t colourCount(const Picture& p) {
  std::set<uint32_t> colours;
  for (size_t i = 0; i + 2 < p.rgb.size(); i += 3) {
    colours.insert(p.rgb[i] << 16 | p.rgb[i + 1] << 8 | p.rgb[i + 2]);
  }
  return colours.size();
}

// Hue in degrees of a clearly coloured pixel; -1 for whites, greys and blacks.
int hueOf(const uint8_t* rgb) {
  const int r = rgb[0], g = rgb[1], b = rgb[2];
  const int high = std::max({r, g, b}), range = high - std::min({r, g, b});
  if (range < 64) return -1;
  const int hue = high == r   ? 60 * (g - b) / range
                  : high == g ? 120 + 60 * (b - r) / range
                              : 240 + 60 * (r - g) / range;
  return (hue + 360) % 360;
}

bool nearHue(int hue, int target) {
  const int d = std::abs(hue - target) % 360;
  return hue >= 0 && std::min(d, 360 - d) <= 20;
}

// The most common hue of scene k.
int sceneHue(int k) {
  std::map<int, int> counts;
  const Picture scene = scenePicture(k, kIconSize);
  for (size_t i = 0; i < scene.rgb.size(); i += 3) ++counts[hueOf(&scene.rgb[i])];
  counts.erase(-1);
  auto fewer = [](const auto& a, const auto& b) { return a.second < b.second; };
  return std::max_element(counts.begin(), counts.end(), fewer)->first;
}

// Pixels of columns from to to - 1 whose hue is near hue.
int pixelsOfHue(const Picture& p, int hue, uint32_t from, uint32_t to) {
  int count = 0;
  for (uint32_t y = 0; y < p.height; ++y)
    for (uint32_t x = from; x < to; ++x)
      count += nearHue(hueOf(&p.rgb[(size_t{y} * p.width + x) * 3]), hue);
  return count;
}

// The one-frame preview of the effect with antialiasing on, over the
// scenes without their badges.
Picture previewFrame(RenderSession& session, const vta::EffectDescription& d) {
  session.setUp(kIconSize, scenePictures(kIconSize), nullptr);
  vta::EffectSettings record;
  previewRecord(record, d.title);
  record.globalParams[VTA_ANTIALIASING] = 1;
  session.prepare(record);
  session.render(record, static_cast<uint32_t>(d.best), kBestRange);
  return session.output().toPicture();
}

TEST_F(RenderedIcons, AreThePreviewFramesAtTheBestPositionWithAntialiasing) {
  RenderSession session;
  std::string error;
  ASSERT_TRUE(session.load(RND_SOFTWARE_PATH, error)) << error;
  for (const SampleEffect& effect : sampleEffects()) {
    vta::EffectDescription d;
    ASSERT_EQ(1, vta::loadDescription(d, effect.title.c_str(), 0)) << effect.title;
    const vta::TextureImage& image = d.image;
    EXPECT_EQ(std::vector<uint32_t>({2, 1, 3, 4, kIconSize, kIconSize}),
              std::vector<uint32_t>({image.format, image.order, image.bytesPerPixel, image.rowAlign,
                                     image.width, image.height}))
        << effect.title;
    const Picture icon = pictureOf(d.image);
    EXPECT_NE(effectIcon(d).rgb, icon.rgb) << effect.title << " kept its schematic icon";
    EXPECT_GE(colourCount(icon), 4u) << effect.title;
    EXPECT_EQ(previewFrame(session, d).rgb, icon.rgb) << effect.title;
  }
}

// At their best moment (half way) the slides show half of each scene: the
// outgoing one on the side it leaves by, the incoming one on the other.
TEST_F(RenderedIcons, SlidesShowTheOutgoingSceneOnTheSideItLeavesBy) {
  const int outgoing = sceneHue(1), incoming = sceneHue(2);
  ASSERT_FALSE(nearHue(outgoing, incoming));
  const uint32_t leftEnd = kIconSize / 2 - 3, rightStart = kIconSize / 2 + 3;
  for (const auto& [title, leavesLeft] :
       {std::pair<const char*, bool>{"Slide Left", true}, {"Push Right", false}}) {
    vta::EffectDescription d;
    ASSERT_EQ(1, vta::loadDescription(d, title, 0)) << title;
    const Picture icon = pictureOf(d.image);
    const uint32_t outFrom = leavesLeft ? 0 : rightStart, outTo = leavesLeft ? leftEnd : kIconSize;
    const uint32_t inFrom = leavesLeft ? rightStart : 0, inTo = leavesLeft ? kIconSize : leftEnd;
    EXPECT_GT(pixelsOfHue(icon, outgoing, outFrom, outTo), 10) << title;
    EXPECT_EQ(0, pixelsOfHue(icon, incoming, outFrom, outTo)) << title;
    EXPECT_GT(pixelsOfHue(icon, incoming, inFrom, inTo), 10) << title;
    EXPECT_EQ(0, pixelsOfHue(icon, outgoing, inFrom, inTo)) << title;
  }
}

Json sampleDocument(const std::string& title) {
  return readDocumentFile(samplesDir() + "/effects/" + title + ".json");
}

// The icon "Slide Up" is given in the sources below.
Picture givenIcon() { return placeholderPicture(7, kIconSize); }

// Sources with two sample effects: "Slide Left" as it is, "Slide Up" with
// an icon.
std::string writeSources(const vta::TempFolder& folder) {
  vta::TextureImage icon;
  EXPECT_TRUE(textureFromPicture(givenIcon(), icon));
  for (const char* title : {"Slide Left", "Slide Up"}) {
    Json document = sampleDocument(title);
    if (std::string(title) == "Slide Up") document.add("icon", imageJson(icon));
    folder.write("src/effects/" + std::string(title) + ".json", writeJson(document));
  }
  folder.write("src/master.json", R"({"kind": "groupList", "groups": []})");
  return folder.file("src");
}

Picture installedIcon(const vta::TempFolder& folder, const std::string& title) {
  vta::EffectDescription d;
  EXPECT_EQ(1,
            vta::loadDescriptionFile(d, folder.file("tree/EFFECTS/" + title + ".VTA").c_str(), 0))
      << title;
  return pictureOf(d.image);
}

Picture schematicIcon(const std::string& title) {
  vta::EffectDescription d;
  effectFromJson(sampleDocument(title), d);
  return effectIcon(d);
}

TEST(InstallIcons, OnlyEffectsWithoutAnIconGetOneRenderedOrDrawn) {
  vta::SettingsSandbox sandbox;
  vta::TempFolder folder;
  const std::string src = writeSources(folder);
  for (bool rendered : {false, true}) {
    Args args = {src, folder.file("tree")};
    if (rendered) args.insert(args.end(), {"--renderer", RND_SOFTWARE_PATH});
    ASSERT_EQ(kExitOk, runCaptured(runInstall, args).code);
    EXPECT_EQ(givenIcon().rgb, installedIcon(folder, "Slide Up").rgb) << rendered;
    const Picture drawn = installedIcon(folder, "Slide Left");
    EXPECT_EQ(!rendered, schematicIcon("Slide Left").rgb == drawn.rgb) << rendered;
  }
}

// A renderer that cannot be loaded fails the install naming it; one that
// draws nothing fails it naming the effect it did not draw.
TEST(InstallIcons, ARendererThatCannotBeLoadedOrDoesNotDrawFailsNamingWhy) {
  vta::SettingsSandbox sandbox;
  vta::TempFolder folder;
  const std::string notALibrary = folder.write("Rnd_Text.so", "not a library\n");
  const std::pair<std::string, std::string> cases[] = {
      {folder.file("Rnd_Missing.so"), "Rnd_Missing.so"},
      {notALibrary, "Rnd_Text.so"},
      {RIPPLE_WARP_PATH, std::filesystem::path(RIPPLE_WARP_PATH).filename().string()},
      {BLANK_RENDERER_PATH, "Slide Left"}};
  for (const auto& [renderer, named] : cases) {
    const std::string src = writeSources(folder);
    testing::internal::CaptureStderr();
    const int code =
        runCaptured(runInstall, {src, folder.file("tree"), "--renderer", renderer}).code;
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(kExitFailed, code) << renderer;
    EXPECT_NE(std::string::npos, message.find(named)) << message;
  }
}

const uint32_t kSizes[] = {32, 64, 128};

// FNV-1a over every placeholder at the three preview sizes.
uint64_t hashOfAll() {
  uint64_t hash = 14695981039346656037ull;
  for (uint32_t size : kSizes)
    for (const Picture& picture : placeholderSources(size))
      for (uint8_t byte : picture.rgb) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

double meanDifference(const Picture& a, const Picture& b, uint32_t side) {
  double sum = 0;
  for (uint32_t y = 0; y < side; ++y)
    for (size_t i = y * a.width * 3; i < (y * a.width + side) * 3; ++i)
      sum += std::abs(a.rgb[i] - b.rgb[i]);
  return sum / (side * side * 3);
}

// The scenes are painted in whole numbers, so no build's floating point can
// change a byte. A scene painted anew changes the value: look at the
// pictures (install, then texture --export), then take the new value.
TEST(Placeholders, AreTheSameBytesOnEveryBuild) { EXPECT_EQ(0x55116bb6cfbf12ebull, hashOfAll()); }

TEST(Placeholders, NoTwoScenesLookAlike) {
  for (uint32_t size : kSizes) {
    const std::vector<Picture> pictures = placeholderSources(size);
    ASSERT_EQ(size_t(kPlaceholderSources), pictures.size());
    for (int a = 0; a < kPlaceholderSources; ++a)
      for (int b = a + 1; b < kPlaceholderSources; ++b)
        EXPECT_GT(meanDifference(pictures[a], pictures[b], size), 20.0)
            << "sources " << a + 1 << " and " << b + 1 << " at " << size << " px";
  }
}

TEST(Placeholders, CarryTheirNumberOnABadgeInTheTopLeftCorner) {
  for (uint32_t size : kSizes)
    for (int k = 1; k <= kPlaceholderSources; ++k) {
      const Picture badged = placeholderPicture(k, size), scene = scenePicture(k, size);
      const uint32_t corner = badgeSide(size);
      EXPECT_GT(meanDifference(badged, scene, corner), 15.0)
          << "source " << k << " at " << size << " px";
      Picture outside = badged;  // the badge's corner put back to the scene
      for (uint32_t y = 0; y < corner; ++y)
        for (uint32_t x = 0; x < corner * 3; ++x)
          outside.rgb[y * size * 3 + x] = scene.rgb[y * size * 3 + x];
      EXPECT_EQ(scene.rgb, outside.rgb) << "source " << k << " at " << size << " px";
    }
}

}  // namespace
}  // namespace vtafx
