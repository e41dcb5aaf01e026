#pragma once
// The read loop shared by every file of the effect library.

#include <cstdint>

#include "platform/chunk_file.h"

namespace vta {

// Hands every chunk of an opened file to apply, in file order, until a read
// reports anything but success, or just after applying the first chunk whose
// tag is stopTag (0: read everything). Returns 1 when the file was read to
// its end or to the stop tag, 0 when it broke off with an error.
template <class Apply>
int readChunks(ChunkFile& file, uint32_t stopTag, Apply&& apply) {
  Chunk chunk;
  while (file.readChunk(chunk) == kChunkOk) {
    apply(chunk);
    if (stopTag != 0 && chunk.tag == stopTag) return 1;
  }
  return file.status() == kChunkEnd ? 1 : 0;
}

}  // namespace vta
