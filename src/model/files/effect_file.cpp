#include "model/files/effect_file.h"

#include "model/files/chunk_reading.h"
#include "model/files/description_chunks.h"
#include "platform/install_paths.h"

namespace vta {

namespace {

constexpr uint32_t kEffectMagic = fourCC("VTAE");

// Opens the effect file of effectName; false when it cannot be found, opened
// or has another magic.
bool openEffectFile(ChunkFile& file, const char* effectName) {
  char path[kInstallPathSize];
  return buildPath(path, sizeof path, "EFFECTS", effectName, "VTA") &&
         file.open(path, kEffectMagic, kChunkReadFile) == kChunkOk;
}

// Reads an opened (or failed) effect file into the cleared description, then
// resolves links and loads textures.
int readDescription(EffectDescription& description, ChunkFile& file, bool opened,
                    uint32_t stopTag) {
  int result = 0;
  if (opened) {
    result = readChunks(file, stopTag, [&description](const Chunk& chunk) {
      applyDescriptionChunk(description, chunk, DescriptionSource::kEffectFile);
    });
  }
  description.resolveLinks();
  loadTextures(description);
  return result;
}

}  // namespace

int loadDescription(EffectDescription& description, const char* effectName, uint32_t stopTag) {
  description.clear();
  ChunkFile file;
  const bool opened = openEffectFile(file, effectName);
  return readDescription(description, file, opened, stopTag);
}

int loadDescriptionFile(EffectDescription& description, const char* path, uint32_t stopTag) {
  description.clear();
  ChunkFile file;
  const bool opened = file.open(path, kEffectMagic, kChunkReadFile) == kChunkOk;
  return readDescription(description, file, opened, stopTag);
}

int readEffectSummary(const char* effectName, char* title, unsigned titleSize,
                      uint32_t* allowFlags) {
  EffectSummary summary{title, titleSize, 0};
  if (title && titleSize > 0) title[0] = '\0';
  int result = 0;
  ChunkFile file;
  if (openEffectFile(file, effectName)) {
    result =
        readChunks(file, 0, [&summary](const Chunk& chunk) { applySummaryChunk(summary, chunk); });
  }
  if (allowFlags) *allowFlags = summary.allowFlags;
  return result;
}

}  // namespace vta
