#include "model/files/texture_file.h"

#include "model/files/chunk_payload.h"
#include "model/files/chunk_reading.h"
#include "model/files/image_pixels.h"
#include "platform/byte_reader.h"
#include "platform/chunk_file.h"
#include "platform/memory.h"

namespace vta {

namespace {

constexpr uint32_t kTextureMagic = fourCC("VTAI");
constexpr uint32_t kPixelsTag = fourCC("IDAT");
constexpr uint32_t kRealsTag = fourCC("IBIS");

// The image field a u32 chunk sets, or null for other tags (const for
// writing, mutable for reading).
template <class Image>
auto wordField(Image& image, uint32_t tag) -> decltype(&image.width) {
  switch (tag) {
    case fourCC("IWID"): return &image.width;
    case fourCC("IHIT"): return &image.height;
    case fourCC("IPXR"): return &image.rowPixels;
    case fourCC("ITRW"): return &image.rowCount;
    case fourCC("ISKR"): return &image.skipRows;
    case fourCC("ISKP"): return &image.skipPixels;
    default: return nullptr;
  }
}

// The image field a one-byte chunk sets, or null for other tags.
template <class Image>
auto byteField(Image& image, uint32_t tag) -> decltype(&image.format) {
  switch (tag) {
    case fourCC("IBPP"): return &image.bytesPerPixel;
    case fourCC("IALN"): return &image.rowAlign;
    case fourCC("IORD"): return &image.order;
    case fourCC("IFMT"): return &image.format;
    default: return nullptr;
  }
}

// "IBIS": four f32; a shorter payload changes nothing.
void readReals(TextureImage& image, const Chunk& chunk) {
  ByteReader in(chunk.payload, chunk.length);
  float reals[4];
  for (float& real : reals) real = in.f32();
  if (in.ok()) copyBytes(image.imageReals, reals, sizeof reals);
}

void writeReals(ChunkFile& out, const TextureImage& image) {
  uint8_t bytes[sizeof image.imageReals];
  ByteWriter writer(bytes, sizeof bytes);
  for (float real : image.imageReals) writer.f32(real);
  out.writeChunk(kRealsTag, sizeof bytes, bytes);
}

void applyTextureChunk(TextureImage& image, const Chunk& chunk) {
  if (uint32_t* word = wordField(image, chunk.tag)) {
    payloadU32(chunk, *word);
  } else if (uint8_t* byte = byteField(image, chunk.tag)) {
    if (chunk.length >= 1) *byte = chunk.payload[0];
  } else if (chunk.tag == kRealsTag) {
    readReals(image, chunk);
  } else if (chunk.tag == kPixelsTag) {
    takeImagePixels(image, chunk.payload, chunk.length);
  }
}

void writeWord(ChunkFile& out, uint32_t tag, uint32_t value) {
  uint8_t bytes[4];
  writeU32LE(bytes, value);
  out.writeChunk(tag, sizeof bytes, bytes);
}

}  // namespace

int loadTextureImage(TextureImage& image, const char* path) {
  image.clear();
  ChunkFile file;
  if (file.open(path, kTextureMagic, kChunkReadFile) == kChunkOk) {
    readChunks(file, 0, [&image](const Chunk& chunk) { applyTextureChunk(image, chunk); });
  }
  if (!image.pixels) return 0;
  image.setName(path);
  return 1;
}

int saveTextureImage(const TextureImage& image, const char* path) {
  ChunkFile out;
  if (out.open(path, kTextureMagic, kChunkWriteFile) != kChunkOk) return 0;
  // A chunk that cannot be written abandons the save, which commit() reports.
  const uint32_t wordTags[] = {fourCC("IWID"), fourCC("IHIT"), fourCC("IPXR"),
                               fourCC("ITRW"), fourCC("ISKR"), fourCC("ISKP")};
  for (uint32_t tag : wordTags) writeWord(out, tag, *wordField(image, tag));
  const uint32_t byteTags[] = {fourCC("IBPP"), fourCC("IALN"), fourCC("IORD"), fourCC("IFMT")};
  for (uint32_t tag : byteTags) out.writeChunk(tag, 1, byteField(image, tag));
  writeReals(out, image);
  if (image.pixels) out.writeChunk(kPixelsTag, image.dataSize, image.pixels);
  return out.commit() ? 1 : 0;
}

}  // namespace vta
