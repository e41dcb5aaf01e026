#include "model/files/effect_file.h"

#include "model/files/chunk_reading.h"
#include "model/files/description_chunks.h"
#include "model/files/path_buffer.h"
#include "platform/install_paths.h"

namespace vta {

namespace {

constexpr uint32_t kEffectMagic = fourCC("VTAE");

// Opens the effect file of effectName; false when it cannot be found, opened
// or has another magic.
bool openEffectFile(ChunkFile& file, const char* effectName) {
  char path[kPathBufferSize];
  return buildPath(path, sizeof path, "EFFECTS", effectName, "VTA") &&
         file.open(path, kEffectMagic, kChunkReadFile) == kChunkOk;
}

}  // namespace

int loadDescription(EffectDescription& description, const char* effectName, uint32_t stopTag) {
  description.clear();
  int result = 0;
  ChunkFile file;
  if (openEffectFile(file, effectName)) {
    result = readChunks(file, stopTag, [&description](const Chunk& chunk) {
      applyDescriptionChunk(description, chunk, DescriptionSource::kEffectFile);
    });
  }
  description.resolveLinks();
  loadTextures(description);
  return result;
}

int readEffectSummary(const char* effectName, char* title, unsigned titleSize,
                      uint32_t* allowFlags) {
  EffectSummary summary{title, titleSize, 0};
  if (title && titleSize > 0) title[0] = '\0';
  int result = 0;
  ChunkFile file;
  if (openEffectFile(file, effectName)) {
    result = readChunks(file, 0, [&summary](const Chunk& chunk) {
      applySummaryChunk(summary, chunk);
    });
  }
  if (allowFlags) *allowFlags = summary.allowFlags;
  return result;
}

}  // namespace vta
