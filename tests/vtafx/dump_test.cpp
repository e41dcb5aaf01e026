// dump shows files as the library loads them.
#include <gtest/gtest.h>

#include "commands.h"
#include "scratch_installation.h"
#include "json.h"
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

}  // namespace
}  // namespace vtafx
