#include "chunk_walk.h"

#include "platform/byte_order.h"
#include "platform/file.h"

namespace vtafx {

namespace {

constexpr uint32_t kBlockHead = 8;  // u32 block length, u32 magic
constexpr uint32_t kChunkHead = 8;  // u32 tag, u32 length

// The file as a ChunkFile memory block: its length, then the file's bytes
// (the magic first). Empty when it cannot be read or is too large.
std::vector<uint8_t> readAsBlock(const char* path, uint64_t& fileSize) {
  vta::File file;
  if (!file.openForReading(path)) return {};
  fileSize = file.size();
  if (fileSize > kMaxWalkedFile) return {};
  std::vector<uint8_t> block(kBlockHead - 4 + fileSize);
  if (file.read(block.data() + 4, fileSize) != fileSize) return {};
  vta::writeU32LE(block.data(), static_cast<uint32_t>(block.size()));
  return block;
}

void classifyEnd(const std::vector<uint8_t>& block, uint64_t at, WalkResult& result) {
  const uint64_t left = result.fileSize - at;
  result.endOffset = at;
  if (left == 0) {
    result.end = WalkEnd::kClean;
  } else if (left < 4) {
    result.end = WalkEnd::kTrailing;
  } else if (left < kChunkHead) {
    result.end = WalkEnd::kShortHeader;
  } else {
    result.end = WalkEnd::kPastEnd;
    result.declaredLength = vta::readU32LE(block.data() + 4 + at + 4);
  }
}

}  // namespace

WalkResult walkChunks(const char* path, const std::function<void(const WalkedChunk&)>& visit) {
  WalkResult result;
  std::vector<uint8_t> block = readAsBlock(path, result.fileSize);
  if (block.empty()) return result;
  if (result.fileSize < 4) {
    result.end = WalkEnd::kNoMagic;
    return result;
  }
  result.magic = vta::readU32LE(block.data() + 4);
  vta::ChunkFile file;
  file.openBlock(block.data(), result.magic);
  uint64_t at = 4;
  vta::Chunk chunk;
  while (file.readChunk(chunk) == vta::kChunkOk) {
    visit(WalkedChunk{chunk.tag, chunk.length, chunk.payload, at});
    at += kChunkHead + uint64_t{chunk.length};
  }
  classifyEnd(block, at, result);
  return result;
}

std::string describeWalkEnd(const WalkResult& r) {
  switch (r.end) {
    case WalkEnd::kClean: return "";
    case WalkEnd::kUnreadable: return "cannot read the file (missing, unreadable or above 1 GiB)";
    case WalkEnd::kNoMagic: return "file shorter than its 4-byte magic";
    case WalkEnd::kShortHeader:
      return "truncated chunk header: " + std::to_string(r.fileSize - r.endOffset) + " bytes left";
    case WalkEnd::kPastEnd:
      return "chunk length " + std::to_string(r.declaredLength) +
             " runs past the end of the file (" +
             std::to_string(r.fileSize - r.endOffset - kChunkHead) + " bytes remain)";
    case WalkEnd::kTrailing:
      return std::to_string(r.fileSize - r.endOffset) + " trailing bytes after the last chunk";
  }
  return "";
}

}  // namespace vtafx
