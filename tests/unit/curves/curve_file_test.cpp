// Envelope and path files: byte layout, round trips, what loading keeps, and
// where a save goes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "temp_folder.h"
#include "curve_test_support.h"
#include "le_bytes.h"
#include "model/files/envelope_file.h"
#include "model/files/path_file.h"

namespace vta {
namespace {

std::string bytesOf(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }

// Failures at each step of a save are in files/safe_saves_test.cpp.
TEST(EnvelopeFile, SavedFileIsMagicTagLengthAndPayloadAndReplacesTheOldFileButNoFolder) {
  TempFolder folder;
  auto envelope = envelopeWith({envKey(0.0f, 10), envKey(1.0f, 20, 1)});
  std::string path = folder.write("curve.env", "old contents");
  ASSERT_EQ(saveEnvelopeFile(path.c_str(), *envelope), CurveFileResult::kDone);
  std::string file = folder.read("curve.env");
  EXPECT_EQ(file, "VENV" + std::string("ENV0") + le32(70) + bytesOf(payloadOf(*envelope)));
  std::string nowhere = folder.file("absent/new.env");
  EXPECT_NE(saveEnvelopeFile(nowhere.c_str(), *envelope), CurveFileResult::kDone);
  EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST(EnvelopeFile, LoadTakesOnlyTheKeysAndItsResultsTellSilentCasesFromFailures) {
  TempFolder folder;
  auto saved = newEnvelope(3, 0);
  saved->parameterIndex = 12;
  saved->setKeyCount(1);
  saved->setKey(0, envKey(0.5f, 6));
  std::string path = folder.file("one.env");
  ASSERT_EQ(saveEnvelopeFile(path.c_str(), *saved), CurveFileResult::kDone);
  auto target = newEnvelope(77, 4);
  target->parameterIndex = 1;
  ASSERT_EQ(loadEnvelopeFile(path.c_str(), *target), CurveFileResult::kDone);
  EXPECT_EQ(target->id, 77);
  EXPECT_EQ(target->linkId, 4);
  EXPECT_EQ(target->parameterIndex, 1);
  ASSERT_EQ(target->keyCount, 3u);
  EXPECT_EQ(target->keys[1].value, 6.0f);
  EXPECT_EQ(target->keys[2].time, 1.0f);

  std::vector<uint8_t> good = payloadOf(*envelopeWith({envKey(0.0f, 1), envKey(1.0f, 2)}));
  std::string shortPayload = bytesOf(good).substr(0, 69);
  struct Case {
    const char* bytes;
    std::string contents;
    CurveFileResult expected;
  };
  const Case cases[] = {
      {"wrong magic", "VPTH" + std::string("ENV0") + le32(70) + bytesOf(good),
       CurveFileResult::kNotOpened},
      {"magic only", "VENV", CurveFileResult::kFailed},
      {"cut chunk", "VENV" + std::string("ENV0") + le32(70) + shortPayload,
       CurveFileResult::kFailed},
      {"short payload", "VENV" + std::string("ENV0") + le32(69) + shortPayload,
       CurveFileResult::kFailed},
      {"other chunk", "VENV" + std::string("PTH0") + le32(70) + bytesOf(good),
       CurveFileResult::kOtherChunk},
  };
  auto envelope = envelopeWith({envKey(0.5f, 3)});  // would gain end keys if read
  for (const Case& c : cases) {
    std::string path = folder.write("case.env", c.contents);
    EXPECT_EQ(loadEnvelopeFile(path.c_str(), *envelope), c.expected) << c.bytes;
    EXPECT_EQ(envelope->keyCount, 1u) << c.bytes;
  }
  EXPECT_EQ(loadEnvelopeFile(folder.file("missing.env").c_str(), *envelope),
            CurveFileResult::kNotOpened);
  EXPECT_EQ(envelope->keyCount, 1u);
}

TEST(PathFile, SavedFileIsMagicTagLengthAndPayloadAndLoadsBackEqual) {
  TempFolder folder;
  auto saved = pathWith({pathKey(0.0f, 1), pathKey(0.5f, 2, 1), pathKey(1.0f, 3)});
  std::string path = folder.file("move.pth");
  ASSERT_EQ(savePathFile(path.c_str(), *saved), CurveFileResult::kDone);
  EXPECT_EQ(folder.read("move.pth"),
            "VPTH" + std::string("PTH0") + le32(20 + 3 * 56) + bytesOf(payloadOf(*saved)));
  Owned<EffectComponent> before(saved->clone());
  saved->deleteKey(0.5f);
  ASSERT_EQ(loadPathFile(path.c_str(), *saved), CurveFileResult::kDone);
  EXPECT_EQ(saved->compare(before.get()), 0);
}

TEST(PathFile, LoadKeepsTheOwnHeaderAndIgnoresOtherChunks) {
  TempFolder folder;
  std::string path = folder.file("move.pth");
  ASSERT_EQ(savePathFile(path.c_str(), *pathWith({pathKey(0.0f, 5), pathKey(1.0f, 6)})),
            CurveFileResult::kDone);
  auto target = Owned<PathComponent>(
      makeComponent<PathComponent>(uint16_t{60}, 0.1f, 0.9f, uint16_t{61}, uint16_t{62}));
  ASSERT_EQ(loadPathFile(path.c_str(), *target), CurveFileResult::kDone);
  EXPECT_EQ(target->id, 60);
  EXPECT_EQ(target->spanStart, 0.1f);
  EXPECT_EQ(target->linkId, 61);
  EXPECT_EQ(target->parentId, 62);
  EXPECT_EQ(target->keyCount, 2u);
  std::string other =
      folder.write("other.pth", "VPTH" + std::string("ENV0") + le32(20) + std::string(20, '\0'));
  EXPECT_EQ(loadPathFile(other.c_str(), *target), CurveFileResult::kOtherChunk);
  EXPECT_EQ(target->keyCount, 2u);
}

}  // namespace
}  // namespace vta
