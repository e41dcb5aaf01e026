#include "model/files/chunk_payload.h"

#include "platform/byte_reader.h"
#include "platform/memory.h"

namespace vta {

bool payloadU32(const Chunk& chunk, uint32_t& value) {
  ByteReader in(chunk.payload, chunk.length);
  uint32_t read = in.u32();
  if (!in.ok()) return false;
  value = read;
  return true;
}

bool payloadF32(const Chunk& chunk, float& value) {
  ByteReader in(chunk.payload, chunk.length);
  float read = in.f32();
  if (!in.ok()) return false;
  value = read;
  return true;
}

PayloadText payloadText(const Chunk& chunk, uint32_t offset) {
  if (!chunk.payload || offset >= chunk.length) return PayloadText{"", 0};
  const char* chars = reinterpret_cast<const char*>(chunk.payload) + offset;
  const uint32_t room = chunk.length - offset;
  uint32_t length = 0;
  while (length < room && chars[length] != '\0') ++length;
  return PayloadText{chars, length};
}

char* duplicatePayloadText(const Chunk& chunk, uint32_t offset) {
  const PayloadText text = payloadText(chunk, offset);
  auto* copy = static_cast<char*>(allocate(static_cast<size_t>(text.length) + 1));
  if (copy) copyBytes(copy, text.chars, text.length);  // allocate() zero-fills the NUL
  return copy;
}

void copyPayloadText(char* buffer, unsigned size, const Chunk& chunk, uint32_t offset) {
  if (!buffer || size == 0) return;
  const PayloadText text = payloadText(chunk, offset);
  const uint32_t kept = text.length < size - 1 ? text.length : size - 1;
  copyBytes(buffer, text.chars, kept);
  buffer[kept] = '\0';
}

}  // namespace vta
