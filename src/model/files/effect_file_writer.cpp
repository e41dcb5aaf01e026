// Writing effect description files ("VTAE").
#include "model/components/component_factory.h"
#include "model/files/effect_file.h"
#include "model/files/texture_file.h"
#include "platform/byte_reader.h"
#include "platform/chunk_file.h"
#include "platform/memory.h"

namespace vta {

namespace {

constexpr uint32_t kEffectMagic = fourCC("VTAE");

void writeWord(ChunkFile& out, uint32_t tag, uint32_t value) {
  uint8_t bytes[4];
  writeU32LE(bytes, value);
  out.writeChunk(tag, sizeof bytes, bytes);
}

void writeText(ChunkFile& out, uint32_t tag, const char* text) {
  if (text) out.writeChunk(tag, static_cast<uint32_t>(stringLength(text)) + 1, text);
}

// "VDSC": u32 index, then the text and its NUL. False when out of memory.
bool writeVariant(ChunkFile& out, uint32_t index, const char* text) {
  const size_t length = stringLength(text);
  auto* payload = static_cast<uint8_t*>(allocate(length + 5));
  if (!payload) return false;
  writeU32LE(payload, index);
  copyBytes(payload + 4, text, length);
  out.writeChunk(fourCC("VDSC"), static_cast<uint32_t>(length + 5), payload);
  release(payload);
  return true;
}

bool hasIcon(const TextureImage& image) {
  return image.pixels || image.width || image.height || image.rowPixels || image.rowCount;
}

bool writeIcon(ChunkFile& out, const TextureImage& image) {
  uint32_t length = 0;
  uint8_t* payload = writeIconPayload(image, &length);
  if (!payload) return false;
  const bool written = out.writeChunk(fourCC("IMG0"), length, payload) == kChunkOk;
  release(payload);
  return written;
}

bool writeHead(ChunkFile& out, const EffectDescription& description) {
  writeWord(out, fourCC("ETYP"), description.effectType);
  writeText(out, fourCC("ENAM"), description.title);
  writeText(out, fourCC("DESC"), description.text);
  writeWord(out, fourCC("VCNT"), description.variantCount);
  for (uint32_t i = 0; i < description.variantCount; ++i) {
    const char* text = description.variantTexts[i];
    if (text && !writeVariant(out, i, text)) return false;
  }
  uint8_t best[4];
  ByteWriter(best, sizeof best).f32(description.best);
  out.writeChunk(fourCC("BEST"), sizeof best, best);
  writeWord(out, fourCC("ALOW"), description.allowFlags);
  return !hasIcon(description.image) || writeIcon(out, description.image);
}

}  // namespace

int saveEffectFile(const EffectDescription& description, const char* path) {
  ChunkFile out;
  if (out.open(path, kEffectMagic, kChunkWriteFile) != kChunkOk) return 0;
  // A chunk that cannot be written abandons the save, which commit() reports.
  const bool written = writeHead(out, description) && writeAllComponents(out, description) == 1;
  return written && out.commit() ? 1 : 0;
}

}  // namespace vta
