#pragma once
// Reading and writing helpers shared by the component kinds' payloads.

#include <cstdint>

#include "model/effect_component.h"
#include "platform/byte_reader.h"
#include "platform/memory.h"

namespace vta {

// True when a payload carries the kind's tag and holds at least minimum bytes.
inline bool takesPayload(uint32_t tag, uint32_t kindTag, uint32_t length, const uint8_t* payload,
                         uint32_t minimum) {
  return tag == kindTag && payload != nullptr && length >= minimum;
}

// A reader positioned just past the common header.
inline ByteReader bodyReader(const uint8_t* payload, uint32_t length) {
  ByteReader in(payload, length);
  in.seek(kComponentHeaderSize);
  return in;
}

// A writer positioned just past the common header.
inline ByteWriter bodyWriter(uint8_t* payload, uint32_t length) {
  ByteWriter out(payload, length);
  out.seek(kComponentHeaderSize);
  return out;
}

inline void readWords(ByteReader& in, uint32_t* words, int count) {
  for (int i = 0; i < count; ++i) words[i] = in.u32();
}

inline void writeWords(ByteWriter& out, const uint32_t* words, int count) {
  for (int i = 0; i < count; ++i) out.u32(words[i]);
}

// A text field of fieldSize bytes: the text is copied up to its NUL, the rest
// of the field is zeros, and the last byte is always a NUL.
inline void readText(ByteReader& in, char* text, uint32_t fieldSize) {
  const uint8_t* field = in.take(fieldSize);
  bool ended = field == nullptr;
  for (uint32_t i = 0; i < fieldSize; ++i) {
    ended = ended || field[i] == 0 || i + 1 == fieldSize;
    text[i] = ended ? '\0' : static_cast<char>(field[i]);
  }
}

// Writes text into a field of fieldSize bytes, at most fieldSize - 1
// characters, zeros after them.
inline void writeText(ByteWriter& out, const char* text, uint32_t fieldSize) {
  bool ended = false;
  for (uint32_t i = 0; i < fieldSize; ++i) {
    ended = ended || text[i] == '\0' || i + 1 == fieldSize;
    out.u8(ended ? 0 : static_cast<uint8_t>(text[i]));
  }
}

inline bool sameBytes(const void* a, const void* b, uint32_t size) {
  return compareBytes(a, b, size) == 0;
}

// Gives a payload built by writeChunk to its caller. Returns 1, or 0 (with
// *payload null) when there is no payload or nowhere to put it.
inline int handOutPayload(uint32_t kindTag, uint32_t size, uint8_t* data, uint32_t* tag,
                          uint32_t* length, uint8_t** payload) {
  if (payload == nullptr || tag == nullptr || length == nullptr) {
    release(data);
    return 0;
  }
  *tag = kindTag;
  *length = data ? size : 0;
  *payload = data;
  return data ? 1 : 0;
}

}  // namespace vta
