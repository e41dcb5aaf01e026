// dump shows files as the library loads them, and dump then build gives the
// bytes the library wrote, for every kind of file.
#include <gtest/gtest.h>

#include "commands.h"
#include "component_json.h"
#include "documents.h"
#include "effect_json.h"
#include "json.h"
#include "json_access.h"
#include "model/components/object.h"
#include "model/files/defaults_file.h"
#include "model/files/effect_file.h"
#include "model/files/envelope_file.h"
#include "model/files/group_list.h"
#include "model/files/path_file.h"
#include "model/files/texture_file.h"
#include "platform/file_system.h"
#include "raw_document.h"
#include "scratch_installation.h"
#include "texture_pixels.h"
#include "tool_files.h"

namespace vtafx {
namespace {

using vta::ChunkBytes;
using vta::textBytes;

Json dumped(const std::string& path) {
  const CommandRun run = runCaptured(runDump, {path});
  EXPECT_EQ(kExitOk, run.code);
  return parsedJson(run.out);
}

const Json& onlyGroup(const Json& document) {
  const auto& groups = document.find("groups")->items();
  EXPECT_EQ(1u, groups.size());
  return groups.at(0);
}

TEST(Dump, GroupListShowsWhatTheLibraryKeeps) {
  vta::TempFolder folder;
  ChunkBytes bytes("VTAG");
  bytes.chunk("OITM", textBytes("before any group"));
  bytes.chunk("OGRP", textBytes("Group " + std::string(45, 'g')));
  for (int i = 1; i <= 17; ++i)
    bytes.chunk("OITM", textBytes("Effect " + std::to_string(i) + std::string(40, 'x')));
  const Json document = dumped(folder.write("list.lst", bytes));
  EXPECT_EQ("groupList", document.find("kind")->text());
  const Json& group = onlyGroup(document);
  EXPECT_EQ(40u, group.find("name")->text().size());
  const auto& items = group.find("items")->items();
  ASSERT_EQ(16u, items.size());
  EXPECT_EQ(("Effect 1" + std::string(32, 'x')), items[0].text());
  EXPECT_EQ(0u, items[15].text().find("Effect 16"));
}

TEST(Dump, EffectShowsTheLaterOfTwoTitlesAndNoVariantBeforeItsCount) {
  vta::TempFolder folder;
  const std::string path =
      folder.write("e.vta", ChunkBytes("VTAE")
                                .chunk("ENAM", textBytes("First"))
                                .chunk("VDSC", vta::le32(0) + textBytes("early"))
                                .chunk("VCNT", vta::le32(2))
                                .chunk("ENAM", textBytes("Second")));
  const Json document = dumped(path);
  EXPECT_EQ("Second", document.find("title")->text());
  const auto& variants = document.find("variants")->items();
  ASSERT_EQ(2u, variants.size());
  EXPECT_TRUE(variants[0].isNull());
}

// A file of unknown magic is refused.
TEST(Dump, BrokenFileShowsWhatWasReadAndFails) {
  vta::TempFolder folder;
  const std::string path = folder.write(
      "cut.vta", ChunkBytes("VTAE").chunk("ENAM", textBytes("Kept")).raw("DESC\xff\0\0\0ab"));
  const CommandRun run = runCaptured(runDump, {path});
  EXPECT_EQ(kExitFailed, run.code);
  EXPECT_NE(std::string::npos, run.out.find("\"Kept\""));
  EXPECT_EQ(kExitFailed, runCaptured(runDump, {folder.write("x", "ABCDxxxx")}).code);
}

TEST(Dump, RawListsTagsOffsetsAndDecodedValues) {
  vta::TempFolder folder;
  const std::string path = folder.write(
      "t.vtt", ChunkBytes("VTAI").chunk("IWID", vta::le32(640)).chunk("QQQQ", "\x01\x02"));
  const CommandRun run = runCaptured(runDump, {"--raw", path});
  ASSERT_EQ(kExitOk, run.code);
  const Json document = parsedJson(run.out);
  const auto& chunks = document.find("chunks")->items();
  ASSERT_EQ(2u, chunks.size());
  EXPECT_EQ("640", chunks[0].find("decoded")->text());
  EXPECT_EQ("16", chunks[1].find("offset")->text());
  EXPECT_EQ(nullptr, chunks[1].find("decoded"));
  EXPECT_EQ("0102", chunks[1].find("hex")->text());
}

class RoundTrip : public ::testing::Test {
 protected:
  // Dumps path, passes the JSON through its text form, builds it again and
  // expects the same bytes.
  void expectSameBytes(const std::string& path) {
    Json document;
    std::string error;
    bool complete = false;
    ASSERT_TRUE(dumpDocument(path.c_str(), document, complete, error)) << error;
    EXPECT_TRUE(complete);
    expectRebuilt(path, document);
  }
  void expectRebuilt(const std::string& path, const Json& document) {
    const std::string rebuilt = folder.file("rebuilt.bin");
    buildDocument(parsedJson(writeJson(document)), rebuilt.c_str());
    EXPECT_EQ(readBytes(path), readBytes(rebuilt)) << path;
  }
  vta::TempFolder folder;
};

TEST_F(RoundTrip, EverySampleEffectSavedByTheLibrary) {
  const std::string effects = samplesDir() + "/effects";
  const auto names = vta::listDirectory(effects.c_str(), "*.json");
  ASSERT_GE(names.size(), 24u);
  for (const std::string& name : names) {
    vta::EffectDescription description;
    effectFromJson(readDocumentFile(effects + "/" + name), description);
    const std::string path = folder.file("effect.vta");
    ASSERT_EQ(1, vta::saveEffectFile(description, path.c_str()));
    expectSameBytes(path);
  }
}

TEST_F(RoundTrip, TextureWithPaddedRows) {
  Picture picture{5, 3, std::vector<uint8_t>(45)};
  for (size_t i = 0; i < picture.rgb.size(); ++i) picture.rgb[i] = static_cast<uint8_t>(i * 7);
  vta::TextureImage image;
  ASSERT_TRUE(textureFromPicture(picture, image));
  image.imageReals[2] = 0.25f;
  const std::string path = folder.file("t.vtt");
  ASSERT_EQ(1, vta::saveTextureImage(image, path.c_str()));
  expectSameBytes(path);
}

TEST_F(RoundTrip, GroupList) {
  vta::EffectGroupList list;
  list.addGroup("Pages");
  list.addItem(0, "Page Turn");
  list.addItem(0, "Door");
  list.addGroup("Empty");
  const std::string path = folder.file("g.lst");
  ASSERT_EQ(1, list.save(path.c_str()));
  expectSameBytes(path);
}

TEST_F(RoundTrip, DefaultsWithNameTailPaddingAndTheCutLastReal) {
  vta::EffectSettings record;
  vta::copyString(record.effectName, "A longer name than the next");
  vta::copyString(record.effectName, "Short");  // leaves bytes after the NUL
  record.padding[1] = 0xAB;
  record.globalParams[VTA_TRANSITION_PERIOD] = 75.0f;
  record.objectParams[19][9] = 1.5f;  // only its first three bytes are stored
  auto* object = vta::makeComponent<vta::ObjectComponent>(10, 0.0f, 1.0f, 0, 0);
  record.description.lists[vta::kObjects].append(object);
  const std::string path = folder.file("d.vri");
  ASSERT_EQ(1, vta::saveDefaultsFile(record, path.c_str()));
  expectSameBytes(path);
}

TEST_F(RoundTrip, EnvelopeAndPathFiles) {
  ComponentPtr envelope(vta::makeComponent<vta::EnvelopeComponent>(7, 0.0f, 1.0f, 3, 0));
  auto& e = static_cast<vta::EnvelopeComponent&>(*envelope);
  e.parameterIndex = 105;
  e.insertKey({0.0f, 1.0f, 0.5f, -0.25f, 0.125f, 0, 0});
  e.insertKey({1.0f, -2.0f, 0, 0, 0, 1, 0});
  const std::string envPath = folder.file("e.env");
  ASSERT_EQ(vta::CurveFileResult::kDone, vta::saveEnvelopeFile(envPath.c_str(), e));
  expectSameBytes(envPath);

  ComponentPtr path(vta::makeComponent<vta::PathComponent>(8, 0.25f, 0.75f, 10, 0));
  auto& p = static_cast<vta::PathComponent&>(*path);
  p.insertKey({0.0f, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0.1f, 0.2f, 0.3f, 0, 0});
  p.insertKey({1.0f, -1, -2, -3, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 0});
  const std::string pthPath = folder.file("p.pth");
  ASSERT_EQ(vta::CurveFileResult::kDone, vta::savePathFile(pthPath.c_str(), p));
  expectSameBytes(pthPath);
}

TEST_F(RoundTrip, RawListingRebuildsAnyWellFormedFileIncludingUnknownTags) {
  const std::string path =
      folder.write("odd.bin", std::string("VTAEZZZZ\x03\0\0\0abcENAM\x01\0\0\0\0", 24));
  Json document;
  std::string error;
  ASSERT_TRUE(rawDocument(path.c_str(), document, error)) << error;
  expectRebuilt(path, document);
}

}  // namespace
}  // namespace vtafx
