#pragma once
// Values read out of one chunk's payload. Every reader stays inside the
// payload: a value the payload is too short for is not read, and a text
// without its NUL ends at the end of the payload.

#include <cstdint>

#include "platform/chunk_file.h"

namespace vta {

// The u32 or f32 at the start of the payload; false (value untouched) when
// the payload is shorter than four bytes.
bool payloadU32(const Chunk& chunk, uint32_t& value);
bool payloadF32(const Chunk& chunk, float& value);

// The text stored from offset on: up to its first NUL, or up to the end of
// the payload when there is none. Empty when offset is not inside the
// payload.
struct PayloadText {
  const char* chars;
  uint32_t length;
};
PayloadText payloadText(const Chunk& chunk, uint32_t offset);

// A fresh NUL-terminated copy of that text from allocate(); null when memory
// runs out.
char* duplicatePayloadText(const Chunk& chunk, uint32_t offset);

// Copies that text into buffer, cut to size - 1 characters, with its NUL.
// Nothing is written when size is 0.
void copyPayloadText(char* buffer, unsigned size, const Chunk& chunk, uint32_t offset);

}  // namespace vta
