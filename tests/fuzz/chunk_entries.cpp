// The chunk container in both reading modes, and its writers (file and
// owned block) as a round trip.
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_entries.h"
#include "platform/chunk_file.h"
#include "scratch_file.h"

namespace vta::fuzz {

namespace {

struct ReadChunk {
  uint32_t tag;
  std::string payload;
  bool operator==(const ReadChunk& other) const {
    return tag == other.tag && payload == other.payload;
  }
};

struct ReadResult {
  std::vector<ReadChunk> chunks;
  uint64_t bytes = 0;  // chunk headers and payloads handed out
  bool sound = true;   // every chunk had a payload and the end was reported
};

// Reads every chunk of the opened file, copying each payload whole (so a
// payload shorter than its length is caught by the sanitizers).
ReadResult readAll(ChunkFile& file) {
  ReadResult result;
  Chunk chunk;
  while (file.readChunk(chunk) == kChunkOk) {
    if (!chunk.payload) {
      result.sound = false;
      break;
    }
    result.chunks.push_back(
        {chunk.tag, std::string(reinterpret_cast<const char*>(chunk.payload), chunk.length)});
    result.bytes += 8 + uint64_t{chunk.length};
  }
  const uint32_t end = file.status();
  if (end != kChunkEnd && end != kChunkReadFailed) result.sound = false;
  if (chunk.payload || chunk.length || chunk.tag) result.sound = false;
  return result;
}

uint32_t magicOf(const uint8_t* data, size_t size) { return size >= 4 ? readU32LE(data) : 0; }

// The input as a block the reader may take: its length word is the input's
// own unless that claims more bytes than the input holds.
std::vector<uint8_t> blockOf(const uint8_t* data, size_t size) {
  std::vector<uint8_t> block(data, data + size);
  if (size >= 4 && readU32LE(block.data()) > size) writeU32LE(block.data(), uint32_t(size));
  return block;
}

// Chunks of a file or block may never claim more than the bytes after the
// magic (and, for a block, its length word).
bool withinInput(const ReadResult& result, size_t headBytes, size_t size) {
  return result.sound && result.bytes + headBytes <= size;
}

}  // namespace

bool readChunkFile(const uint8_t* data, size_t size) {
  ScratchFiles files;
  ChunkFile file;
  if (file.open(files.input(data, size), magicOf(data, size), kChunkReadFile) != kChunkOk) {
    return size < 4;
  }
  return withinInput(readAll(file), 4, size);
}

bool readChunkBlock(const uint8_t* data, size_t size) {
  if (size < 4) return true;  // a block holds at least its length word
  const std::vector<uint8_t> block = blockOf(data, size);
  ChunkFile file;
  const uint32_t magic = size >= 8 ? readU32LE(block.data() + 4) : 0;
  if (file.openBlock(block.data(), magic) != kChunkOk) return readU32LE(block.data()) < 8;
  return withinInput(readAll(file), 8, readU32LE(block.data()));
}

// The chunks read from the input block, written to a file and to an owned
// block, must read back the same from both.
bool roundTripChunks(const uint8_t* data, size_t size) {
  if (size < 8) return true;
  const std::vector<uint8_t> block = blockOf(data, size);
  const uint32_t magic = readU32LE(block.data() + 4);
  ChunkFile reader;
  if (reader.openBlock(block.data(), magic) != kChunkOk) return true;
  const ReadResult original = readAll(reader);

  ScratchFiles files;
  ChunkFile fileWriter, blockWriter;
  if (fileWriter.open(files.first(), magic, kChunkWriteFile) != kChunkOk) return false;
  if (blockWriter.createBlock(magic) != kChunkOk) return false;
  for (const ReadChunk& chunk : original.chunks) {
    const auto length = uint32_t(chunk.payload.size());
    if (fileWriter.writeChunk(chunk.tag, length, chunk.payload.data()) != kChunkOk ||
        blockWriter.writeChunk(chunk.tag, length, chunk.payload.data()) != kChunkOk) {
      return false;
    }
  }
  fileWriter.close();

  ChunkFile fileReader, blockReader;
  if (fileReader.open(files.first(), magic, kChunkReadFile) != kChunkOk ||
      blockReader.openBlock(blockWriter.block(), magic) != kChunkOk) {
    return false;
  }
  const ReadResult fromFile = readAll(fileReader), fromBlock = readAll(blockReader);
  return fromFile.chunks == original.chunks && fromBlock.chunks == original.chunks &&
         fileReader.status() == kChunkEnd && blockReader.status() == kChunkEnd;
}

}  // namespace vta::fuzz
