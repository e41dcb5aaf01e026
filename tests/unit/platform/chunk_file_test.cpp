#include "platform/chunk_file.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#ifdef __linux__
#include <sys/resource.h>
#endif

#include "failing_saves.h"
#include "le_bytes.h"
#include "temp_folder.h"

namespace vta {
namespace {

constexpr uint32_t kMagic = fourCC("VTAE");
constexpr uint32_t kName = fourCC("NAME");
constexpr uint32_t kData = fourCC("DATA");

std::string chunkBytes(uint32_t tag, const std::string& payload) {
  return le32(tag) + le32(static_cast<uint32_t>(payload.size())) + payload;
}

std::string payloadOf(const Chunk& chunk) {
  return std::string(reinterpret_cast<const char*>(chunk.payload), chunk.length);
}

TEST(ByteOrder, LittleEndianRegardlessOfHostAndFourCCKeepsCharacterOrder) {
  uint8_t bytes[4];
  writeU32LE(bytes, 0x11223344u);
  EXPECT_EQ(bytes[0], 0x44);
  EXPECT_EQ(bytes[3], 0x11);
  const uint8_t high[4] = {0xFE, 0xFF, 0xFF, 0x80};
  EXPECT_EQ(readU32LE(high), 0x80FFFFFEu);
  writeU32LE(bytes, fourCC("VTAE"));
  EXPECT_EQ(std::memcmp(bytes, "VTAE", 4), 0);
  static_assert(fourCC("\xFF\0\0\0") == 0xFFu, "bytes are unsigned");
}

// --- Files ------------------------------------------------------------------

class ChunkFileOnDisk : public ::testing::Test {
 protected:
  // Opens `bytes` saved as a file for reading. The file open before is
  // closed first: Windows does not let the new bytes replace a file in use.
  uint32_t openBytes(const std::string& bytes) {
    chunks.close();
    return chunks.open(folder.write("in.vta", bytes).c_str(), kMagic, kChunkReadFile);
  }

  TempFolder folder;
  ChunkFile chunks;
  Chunk chunk{};
};

TEST_F(ChunkFileOnDisk, OnlyACommittedSaveOfEveryChunkReplacesTheTarget) {
  std::string path = folder.write("kept.vta", "old");
  EXPECT_FALSE(chunks.commit()) << "nothing open";
  ASSERT_EQ(chunks.open(path.c_str(), kMagic, kChunkWriteFile), kChunkOk);
  ASSERT_EQ(chunks.writeChunk(kName, 3, "abc"), kChunkOk);
  chunks.close();
  EXPECT_EQ(folder.read("kept.vta"), "old");
  ASSERT_EQ(openBytes("VTAE"), kChunkOk);
  EXPECT_FALSE(chunks.commit()) << "read mode";

  {
    FailingSaves failing(SaveStep::kWrite);
    EXPECT_EQ(chunks.open(path.c_str(), kMagic, kChunkWriteFile), kChunkMagicWriteFailed);
    EXPECT_EQ(chunks.writeChunk(kName, 1, "x"), kChunkWrongMode);
  }
  {
    FailingSaves failing(SaveStep::kWrite, 3);  // the magic and one header are written
    ASSERT_EQ(chunks.open(path.c_str(), kMagic, kChunkWriteFile), kChunkOk);
    EXPECT_EQ(chunks.writeChunk(kName, 1, "x"), kChunkWrongMode);
  }
  EXPECT_EQ(chunks.writeChunk(kName, 1, "x"), kChunkWrongMode) << "the save was abandoned";
  EXPECT_FALSE(chunks.commit());
  EXPECT_EQ(folder.read("kept.vta"), "old");
}

TEST_F(ChunkFileOnDisk, WritesTheExactLayoutAndReadsItAndEveryShapeOfFileToItsEndOrFailure) {
  std::string path = folder.file("trip.vta");
  std::string big(70000, 'q');
  ASSERT_EQ(chunks.open(path.c_str(), kMagic, kChunkWriteFile), kChunkOk);
  ASSERT_EQ(chunks.writeChunk(kName, 3, "abc"), kChunkOk);
  ASSERT_EQ(chunks.writeChunk(kData, 0, nullptr), kChunkOk);
  ASSERT_EQ(chunks.writeChunk(kData, static_cast<uint32_t>(big.size()), big.data()), kChunkOk);
  ASSERT_TRUE(chunks.commit());
  EXPECT_EQ(folder.read("trip.vta"),
            "VTAE" + chunkBytes(kName, "abc") + chunkBytes(kData, "") + chunkBytes(kData, big));

  ASSERT_EQ(chunks.open(path.c_str(), kMagic, kChunkReadFile), kChunkOk);
  for (const std::string& payload : {std::string("abc"), std::string(), big}) {
    ASSERT_EQ(chunks.readChunk(chunk), kChunkOk);
    EXPECT_EQ(chunk.tag, payload == "abc" ? kName : kData);
    EXPECT_EQ(payloadOf(chunk), payload);
  }
  EXPECT_EQ(chunks.readChunk(chunk), kChunkEnd);
  EXPECT_EQ(chunk.payload, nullptr);
  EXPECT_EQ(chunks.status(), kChunkEnd);

  // Each shape of file opens (or not) and gives its first chunk, the end or a
  // failure; a chunk it gives is followed by the end.
  const struct {
    const char* shape;
    std::string bytes;
    uint32_t opened, read;
  } cases[] = {
      {"magic only", "VTAE", kChunkOk, kChunkEnd},
      {"empty chunk", "VTAE" + chunkBytes(kName, ""), kChunkOk, kChunkOk},
      {"bytes shorter than a tag", "VTAE" + chunkBytes(kName, "x") + "NA", kChunkOk, kChunkOk},
      {"short magic", "VT", kChunkReadFailed, kChunkWrongMode},
      {"no bytes", "", kChunkReadFailed, kChunkWrongMode},
      {"wrong magic", "XTAE" + chunkBytes(kName, "abc"), kChunkWrongMagic, kChunkWrongMode},
      {"cut header", std::string("VTAENAME\3\0", 10), kChunkOk, kChunkReadFailed},
      {"cut payload", "VTAE" + le32(kName) + le32(4) + "abc", kChunkOk, kChunkReadFailed},
      {"hostile length", "VTAE" + le32(kName) + le32(0xFFFFFFFFu) + "abc", kChunkOk,
       kChunkReadFailed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shape);
    ASSERT_EQ(openBytes(c.bytes), c.opened);
    EXPECT_EQ(chunks.readChunk(chunk), c.read);
    EXPECT_EQ(chunk.payload != nullptr, c.read == kChunkOk) << "a payload only with a chunk";
    if (c.read != kChunkOk) continue;
    EXPECT_EQ(chunk.tag, kName);
    EXPECT_EQ(chunks.readChunk(chunk), kChunkEnd);
  }
}

TEST_F(ChunkFileOnDisk, MissingOrUncreatableFilesAndOperationsOutsideTheirModeFail) {
  EXPECT_EQ(chunks.open(folder.file("none.vta").c_str(), kMagic, kChunkReadFile), kChunkOpenFailed);
  EXPECT_EQ(chunks.open(folder.file("no-folder/new.vta").c_str(), kMagic, kChunkWriteFile),
            kChunkOpenFailed);
  EXPECT_EQ(chunks.open(nullptr, kMagic, kChunkReadFile), kChunkOpenFailed);
  EXPECT_EQ(chunks.readChunk(chunk), kChunkWrongMode);

  std::string path = folder.file("modes.vta");
  EXPECT_EQ(chunks.open(path.c_str(), kMagic, kChunkReadBlock), kChunkWrongMode);
  EXPECT_EQ(chunks.writeChunk(kName, 1, "x"), kChunkWrongMode);
  ASSERT_EQ(chunks.open(path.c_str(), kMagic, kChunkWriteFile), kChunkOk);
  EXPECT_EQ(chunks.readChunk(chunk), kChunkWrongMode);
  EXPECT_EQ(chunks.writeChunk(kName, 2, nullptr), kChunkWrongMode);
  EXPECT_FALSE(chunks.commit()) << "a refused chunk fails the save";
  ASSERT_EQ(openBytes("VTAE"), kChunkOk);
  EXPECT_EQ(chunks.writeChunk(kName, 1, "x"), kChunkWrongMode);
  EXPECT_EQ(chunks.status(), kChunkWrongMode);
  EXPECT_EQ(chunks.readChunk(chunk), kChunkEnd);
}

#ifdef __linux__
TEST_F(ChunkFileOnDisk, HostileLengthReservesNoMemory) {
  // With the address space capped below 4 GiB, trying to reserve the
  // declared length would report kChunkOutOfMemory instead.
  rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_AS, &saved), 0);
  rlimit capped = saved;
  const rlim_t cap = rlim_t{2} << 30;
  if (capped.rlim_cur == RLIM_INFINITY || capped.rlim_cur > cap) {
    capped.rlim_cur = cap;
  }
  ASSERT_EQ(openBytes("VTAE" + le32(kName) + le32(0xFFFFFFF0u) + "abc"), kChunkOk);
  ASSERT_EQ(setrlimit(RLIMIT_AS, &capped), 0);
  uint32_t status = chunks.readChunk(chunk);
  setrlimit(RLIMIT_AS, &saved);
  EXPECT_EQ(status, kChunkReadFailed);
}
#endif

// --- Memory blocks -----------------------------------------------------------

std::string blockBytes(const std::string& chunks, uint32_t magic = kMagic) {
  return le32(static_cast<uint32_t>(8 + chunks.size())) + le32(magic) + chunks;
}

TEST(ChunkBlock, WrittenBlockReadsBackAndReadsNeverPassTheDeclaredEnd) {
  ChunkFile writer;
  ASSERT_EQ(writer.createBlock(kMagic), kChunkOk);
  ASSERT_EQ(writer.writeChunk(kName, 5, "hello"), kChunkOk);
  ASSERT_EQ(writer.writeChunk(kData, 0, nullptr), kChunkOk);
  ASSERT_EQ(writer.writeChunk(kData, 2, "xy"), kChunkOk);
  ASSERT_EQ(writer.blockLength(), 8u + 3 * 8 + 5 + 2);
  EXPECT_EQ(
      std::string(reinterpret_cast<const char*>(writer.block()), writer.blockLength()),
      blockBytes(chunkBytes(kName, "hello") + chunkBytes(kData, "") + chunkBytes(kData, "xy")));

  ChunkFile reader;
  Chunk chunk{};
  ASSERT_EQ(reader.openBlock(writer.block(), kMagic), kChunkOk);
  for (const std::string& payload : {std::string("hello"), std::string(), std::string("xy")}) {
    ASSERT_EQ(reader.readChunk(chunk), kChunkOk);
    EXPECT_EQ(chunk.tag, payload == "hello" ? kName : kData);
    EXPECT_EQ(payloadOf(chunk), payload);
    EXPECT_NE(chunk.payload, nullptr) << "an empty chunk has a payload too";
  }
  EXPECT_EQ(reader.readChunk(chunk), kChunkEnd);
  writer.close();
  EXPECT_EQ(writer.block(), nullptr);
  EXPECT_EQ(writer.blockLength(), 0u);

  ChunkFile bounded;
  Chunk seen{};
  // Each block declares fewer bytes than the buffer holds; the bytes beyond
  // are a complete chunk that must not be seen.
  const std::string beyond = chunkBytes(kData, "zz");
  struct Case {
    std::string inside;
    uint32_t status;
  } cases[] = {
      {"", kChunkEnd},
      {"NAM", kChunkEnd},
      {"NAME", kChunkReadFailed},
      {std::string("NAME\x01\0\0", 7), kChunkReadFailed},
      {le32(kName) + le32(3) + "ab", kChunkReadFailed},
      {le32(kName) + le32(0xFFFFFFFFu) + "ab", kChunkReadFailed},
  };
  for (const Case& c : cases) {
    std::string bytes = blockBytes(c.inside) + beyond;
    ASSERT_EQ(bounded.openBlock(bytes.data(), kMagic), kChunkOk);
    EXPECT_EQ(bounded.readChunk(seen), c.status) << c.inside.size();
    EXPECT_EQ(seen.payload, nullptr);
  }
}

TEST(ChunkBlock, RefusesBadHeadersGrowthBeyondFourGigabytesAndOperationsOutsideTheirMode) {
  ChunkFile chunks;
  Chunk chunk{};
  EXPECT_EQ(chunks.readChunk(chunk), kChunkWrongMode);
  EXPECT_EQ(chunks.writeChunk(kName, 1, "x"), kChunkWrongMode);
  std::string wrongMagic = blockBytes(chunkBytes(kName, "x"), fourCC("VTAX"));
  EXPECT_EQ(chunks.openBlock(wrongMagic.data(), kMagic), kChunkWrongMagic);
  EXPECT_EQ(chunks.readChunk(chunk), kChunkWrongMode);
  std::string tooShort = le32(7) + le32(kMagic);
  EXPECT_EQ(chunks.openBlock(tooShort.data(), kMagic), kChunkReadFailed);
  EXPECT_EQ(chunks.openBlock(nullptr, kMagic), kChunkReadFailed);

  ASSERT_EQ(chunks.createBlock(kMagic), kChunkOk);
  EXPECT_EQ(chunks.readChunk(chunk), kChunkWrongMode);
  // The payload pointer is never read: the size check fails first.
  EXPECT_EQ(chunks.writeChunk(kName, 0xFFFFFFF8u, "x"), kChunkOutOfMemory);
  EXPECT_EQ(chunks.blockLength(), 8u);

  std::string bytes = blockBytes(chunkBytes(kName, "x"));
  ASSERT_EQ(chunks.openBlock(bytes.data(), kMagic), kChunkOk);
  EXPECT_EQ(chunks.block(), nullptr);
  EXPECT_EQ(chunks.writeChunk(kName, 1, "x"), kChunkWrongMode);
  EXPECT_EQ(chunks.readChunk(chunk), kChunkOk);
}

}  // namespace
}  // namespace vta
