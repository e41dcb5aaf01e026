#pragma once
// Walks the chunks of a file exactly as stored, with their byte offsets,
// using the library's ChunkFile on an in-memory copy of the file (whose size
// the file itself justifies). Damage ends the walk and is described.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/chunk_file.h"

namespace vtafx {

// Files larger than this are not walked (ChunkFile blocks count in u32).
constexpr uint64_t kMaxWalkedFile = uint64_t{1} << 30;

struct WalkedChunk {
  uint32_t tag;
  uint32_t length;
  const uint8_t* payload;
  uint64_t offset;  // of the chunk's tag in the file
};

enum class WalkEnd {
  kClean,        // the last chunk ends where the file ends
  kUnreadable,   // the file cannot be read or is too large
  kNoMagic,      // shorter than a magic
  kShortHeader,  // 4 to 7 bytes left: a tag without its length
  kPastEnd,      // a chunk's length runs past the end of the file
  kTrailing,     // 1 to 3 bytes left after the last chunk
};

struct WalkResult {
  uint32_t magic = 0;
  WalkEnd end = WalkEnd::kUnreadable;
  uint64_t endOffset = 0;       // where the damage starts
  uint32_t declaredLength = 0;  // kPastEnd: the length the chunk claims
  uint64_t fileSize = 0;
};

// Calls visit for every whole chunk in file order.
WalkResult walkChunks(const char* path, const std::function<void(const WalkedChunk&)>& visit);

// A one-line description of a damaged end; empty for kClean.
std::string describeWalkEnd(const WalkResult& result);

}  // namespace vtafx
