// validate on crafted malformed files: one line per problem naming file,
// offset and tag; exit 0 clean, 1 problems. No input may crash the tool.
#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>

#include "commands.h"
#include "documents.h"
#include "scratch_installation.h"
#include "raw_document.h"
#include "tool_files.h"
#include "validate.h"

namespace vtafx {
namespace {

using vta::ChunkBytes;
using vta::le32;
using vta::textBytes;

class Validate : public ::testing::Test {
 protected:
  // The problem lines validate prints for bytes, with its exit code.
  CommandRun check(const std::string& bytes) {
    path = folder.write("f.bin", bytes);
    return runCaptured(runValidate, {path});
  }
  void expectProblem(const std::string& bytes, const std::string& line) {
    const CommandRun run = check(bytes);
    EXPECT_EQ(kExitFailed, run.code);
    EXPECT_NE(std::string::npos, run.out.find(path + ":" + line)) << run.out;
  }
  vta::TempFolder folder;
  std::string path;
};

TEST_F(Validate, DamagedContainers) {
  expectProblem("", "0: -: file shorter than its 4-byte magic");
  expectProblem("VT", "0: -: file shorter than its 4-byte magic");
  expectProblem("ABCDxxxx", "0: -: unknown magic \"ABCD\"");
  expectProblem(ChunkBytes("VTAG").raw("OGRP\x05"), "4: -: truncated chunk header: 5 bytes left");
  expectProblem(ChunkBytes("VTAG").raw(std::string("OGRP\xe8\x03\0\0ab", 10)),
                "4: -: chunk length 1000 runs past the end of the file (2 bytes remain)");
  expectProblem(ChunkBytes("VTAG").chunk("OGRP", textBytes("A")).raw("xy"),
                "14: -: 2 trailing bytes");
}

TEST_F(Validate, ValueChunksOfTheWrongSize) {
  expectProblem(ChunkBytes("VTAE").chunk("ENAM", textBytes("T")).chunk("ETYP", ""),
                "14: ETYP: zero-length chunk");
  expectProblem(ChunkBytes("VTAE").chunk("ENAM", "no nul"), "4: ENAM: text without its NUL");
  expectProblem(ChunkBytes("VTAI").chunk("IBPP", "\x03\x03"),
                "4: IBPP: payload of 2 bytes, expected 1");
  expectProblem(ChunkBytes("VTAR").chunk("RIN0", std::string(960, '\0')),
                "4: RIN0: payload of 960 bytes, expected 961");
}

TEST_F(Validate, HugeCountsAndDimensionsAreReportedNotAllocated) {
  const std::string head(16, '\0');
  expectProblem(ChunkBytes("VENV").chunk("ENV0", head + "\x01\x00" + le32(0xFFFFFFFFu)),
                "4: ENV0: component payload refused by the library");
  expectProblem(
      ChunkBytes("VTAE").chunk("ENAM", textBytes("T")).chunk("OBJ0", head + le32(0x40000000u)),
      "14: OBJ0: component payload refused by the library");
  expectProblem(ChunkBytes("VTAE").chunk("ENAM", textBytes("T")).chunk("VCNT", le32(1000000)),
                "14: VCNT: 1000000 object entries; the library keeps 20");
  expectProblem(ChunkBytes("VTAE")
                    .chunk("ENAM", textBytes("T"))
                    .chunk("IMG0", vta::iconHead(3, 4, 100000, 100000, 100000, 100000)),
                "14: IMG0: icon pixels refused");
  expectProblem(ChunkBytes("VTAI")
                    .chunk("IWID", le32(0xFFFFFFFFu))
                    .chunk("IHIT", le32(0xFFFFFFFFu))
                    .chunk("IPXR", le32(0xFFFFFFFFu))
                    .chunk("ITRW", le32(0xFFFFFFFFu))
                    .chunk("IBPP", "\x03")
                    .chunk("IALN", "\x04")
                    .chunk("IDAT", "tiny"),
                "70: IDAT: pixels refused");
  expectProblem(ChunkBytes("VPTH").chunk("PTH0", head + le32(3) + std::string(56, '\0')),
                "4: PTH0: holds 1 of its 3 keys");
}

TEST_F(Validate, GroupListLimits) {
  ChunkBytes bytes("VTAG");
  bytes.chunk("OITM", textBytes("early")).chunk("OGRP", textBytes(std::string(41, 'n')));
  for (int i = 0; i < 17; ++i) bytes.chunk("OITM", textBytes("e"));
  const CommandRun run = check(bytes);
  EXPECT_NE(std::string::npos, run.out.find(":4: OITM: item before the first group"));
  EXPECT_NE(std::string::npos, run.out.find(":18: OGRP: name of 41 characters"));
  EXPECT_NE(std::string::npos, run.out.find(": OITM: item beyond the 16th of its group"));
}

TEST_F(Validate, SceneReferences) {
  const std::string surface = vta::surfacePayload(1, 2, "");
  std::string linked = vta::surfacePayload(1, 0, "");
  linked[12] = 9;  // linkId 9: no such component
  const CommandRun run = check(ChunkBytes("VTAE")
                                   .chunk("ENAM", textBytes("T"))
                                   .chunk("SRF0", surface)
                                   .chunk("SRF0", linked));
  EXPECT_NE(std::string::npos,
            run.out.find(":14: SRF0: texture-mapped surface without a texture name"));
  EXPECT_NE(std::string::npos, run.out.find(":404: SRF0: id 1 is already used"));
  EXPECT_NE(std::string::npos, run.out.find(":404: SRF0: links to id 9"));
}

TEST_F(Validate, CleanFilesGiveNoLinesAndSeveralAreCheckedInTurn) {
  const std::string good = folder.write(
      "good.lst", ChunkBytes("VTAG").chunk("OGRP", textBytes("A")).chunk("OITM", textBytes("B")));
  const std::string bad = folder.write("bad.lst", "VTAG\x01");
  const CommandRun clean = runCaptured(runValidate, {good});
  EXPECT_EQ(kExitOk, clean.code);
  EXPECT_EQ("", clean.out);
  const CommandRun run = runCaptured(runValidate, {good, bad});
  EXPECT_EQ(kExitFailed, run.code);
  EXPECT_EQ(bad + ":4: -: 1 trailing bytes after the last chunk\n", run.out);
}

// Cut and flipped variants of a valid effect file: every reader of the tool
// must come back with an answer, and validate either accepts the file or
// names where each problem lies.
TEST_F(Validate, MutatedFilesGetALocatedAnswerFromEveryReader) {
  const std::string valid =
      ChunkBytes("VTAE")
          .chunk("ENAM", textBytes("Mutant"))
          .chunk("VCNT", le32(2))
          .chunk("IMG0", vta::iconHead(3, 4, 2, 2, 2, 2) + std::string(16, '\x40'))
          .chunk("SRF0", vta::surfacePayload(1, 2, "Curtain"))
          .chunk("OBJ0", std::string(16, '\0') + le32(1) + std::string(12, '\0') + le32(1) +
                             std::string(2, '\x04') + std::string(200, '\x7f'));
  std::mt19937 random(12345);
  int refused = 0;
  for (int round = 0; round < 400; ++round) {
    std::string bytes = valid.substr(0, random() % (valid.size() + 1));
    for (int flips = round % 5; flips > 0 && !bytes.empty(); --flips)
      bytes[random() % bytes.size()] = static_cast<char>(random());
    path = folder.write("m.vta", bytes);
    const CommandRun run = runCaptured(runValidate, {path});
    ASSERT_TRUE(run.code == kExitOk || run.code == kExitFailed) << "round " << round;
    EXPECT_EQ(run.code == kExitOk, run.out.empty()) << "round " << round;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
      EXPECT_TRUE(std::regex_match(line, std::regex(".*m\\.vta:[0-9]+: .+: .+")))
          << "round " << round << ": " << line;
    }
    refused += run.code == kExitFailed;
    Json document;
    std::string error;
    bool complete = false;
    dumpDocument(path.c_str(), document, complete, error);
    rawDocument(path.c_str(), document, error);
  }
  EXPECT_GT(refused, 100) << "most mutations break the file";
}

}  // namespace
}  // namespace vtafx
