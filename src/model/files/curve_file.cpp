#include "model/files/curve_file.h"

#include "platform/chunk_file.h"

namespace vta {

CurveFileResult loadComponentFile(const char* path, uint32_t magic, uint32_t tag,
                                  EffectComponent& component) {
  ChunkFile file;
  if (file.open(path, magic, kChunkReadFile) != kChunkOk) return CurveFileResult::kNotOpened;
  Chunk chunk;
  if (file.readChunk(chunk) != kChunkOk) return CurveFileResult::kFailed;
  if (chunk.tag != tag) return CurveFileResult::kOtherChunk;
  return component.readChunk(chunk.tag, chunk.length, chunk.payload) ? CurveFileResult::kDone
                                                                     : CurveFileResult::kFailed;
}

CurveFileResult saveComponentFile(const char* path, uint32_t magic,
                                  const EffectComponent& component) {
  ChunkFile file;
  if (file.open(path, magic, kChunkWriteFile) != kChunkOk) return CurveFileResult::kNotOpened;
  uint32_t tag = 0, length = 0;
  uint8_t* payload = nullptr;
  bool written = component.writeChunk(&tag, &length, &payload) &&
                 file.writeChunk(tag, length, payload) == kChunkOk;
  release(payload);
  return written && file.commit() ? CurveFileResult::kDone : CurveFileResult::kFailed;
}

}  // namespace vta
