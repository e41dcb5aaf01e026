#include "model/files/defaults_file.h"

#include "model/components/component_factory.h"
#include "model/files/chunk_reading.h"
#include "model/files/description_chunks.h"
#include "model/files/effect_file.h"
#include "platform/chunk_file.h"
#include "platform/install_paths.h"
#include "platform/memory.h"

namespace vta {

namespace {

constexpr uint32_t kDefaultsMagic = fourCC("VTAR");
constexpr uint32_t kRecordTag = fourCC("RIN0");
const char kNoPathText[] = "Error settings filename for defaults.";
const char kNotCreatedText[] = "Could not create defaults file.";

bool defaultsPath(char* path) {
  return buildPath(path, kInstallPathSize, "Work", "Defaults", "VRI") != 0;
}

// The record's first kStoredFixedBytes bytes are its name, padding and reals,
// laid out as the host sees them (see model/layout_checks.cpp).
void applyDefaultsChunk(EffectSettings& record, const Chunk& chunk) {
  if (chunk.tag == kRecordTag) {
    const uint32_t copied = chunk.length < kStoredFixedBytes ? chunk.length : kStoredFixedBytes;
    copyBytes(&record, chunk.payload, copied);
    return;
  }
  applyDescriptionChunk(record.description, chunk, DescriptionSource::kDefaultsFile);
}

int failSave(const char** errorText, const char* message) {
  if (errorText) *errorText = message;
  return 0;
}

// Reads the defaults file at path into the record. False, leaving the
// record untouched, when it cannot be opened; complete tells whether it was
// read to its end.
bool readDefaults(EffectSettings& record, const char* path, int& complete) {
  ChunkFile file;
  if (file.open(path, kDefaultsMagic, kChunkReadFile) != kChunkOk) return false;
  record.description.clear();
  complete =
      readChunks(file, 0, [&record](const Chunk& chunk) { applyDefaultsChunk(record, chunk); });
  record.description.resolveLinks();
  loadTextures(record.description);
  return true;
}

}  // namespace

int loadDefaultsFile(EffectSettings& record, const char* path) {
  int complete = 0;
  readDefaults(record, path, complete);
  return complete;
}

void loadDefaults(EffectSettings& record) {
  char path[kInstallPathSize];
  int complete = 0;
  if (defaultsPath(path) && readDefaults(record, path, complete)) record.effectName[0] = '\0';
}

int saveDefaultsFile(const EffectSettings& record, const char* path) {
  ChunkFile out;
  if (out.open(path, kDefaultsMagic, kChunkWriteFile) != kChunkOk) return 0;
  bool written = out.writeChunk(kRecordTag, kStoredFixedBytes, &record) == kChunkOk &&
                 writeAllComponents(out, record.description) == 1;
  return written && out.commit() ? 1 : 0;
}

int saveDefaults(const EffectSettings& record, const char** errorText) {
  char path[kInstallPathSize];
  if (!defaultsPath(path)) return failSave(errorText, kNoPathText);
  if (!saveDefaultsFile(record, path)) return failSave(errorText, kNotCreatedText);
  if (errorText) *errorText = nullptr;
  return 1;
}

}  // namespace vta
