#pragma once
// A named field of a component kind: the name docs/scene.md gives it, how
// its bytes read and where they lie in the kind's Fields struct. Each kind
// lists its fields in a table (camera_fields.h, light_fields.h, ...), in the
// order tools show them; the kind's typed setup reads and writes through the
// same entries, so a field's meaning is stated once.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "curves/path_key.h"

namespace vta {

enum class FieldType {
  kF32,    // count floats
  kU16,    // count u16 values
  kU32,    // one u32
  kBytes,  // count bytes the scene leaves reserved
  kText,   // a NUL-terminated text in a field of count bytes
  kKey,    // a 14-word motion block, read as a path key
};

struct FieldLayout {
  const char* name;
  FieldType type;
  size_t offset;  // in the kind's Fields struct
  uint32_t count;
};

struct FieldTable {
  const FieldLayout* fields;
  size_t count;
};

template <size_t N>
FieldTable tableOf(const FieldLayout (&fields)[N]) {
  return FieldTable{fields, N};
}

struct ColourRgb {
  float red, green, blue;
};

struct ColourRgba {
  float red, green, blue, alpha;
};

static_assert(sizeof(ColourRgb) == 12 && sizeof(ColourRgba) == 16, "colours are packed floats");

// Value i of a field in the Fields struct at base, copied without alignment
// assumptions (the byte blocks hold unaligned floats). T is the field's item
// type, or a struct of packed floats spanning all its items (a colour).
template <class T>
T loadField(const void* base, const FieldLayout& field, uint32_t i = 0) {
  T value;
  std::memcpy(&value, static_cast<const uint8_t*>(base) + field.offset + i * sizeof value,
              sizeof value);
  return value;
}

template <class T>
void storeField(void* base, const FieldLayout& field, const T& value, uint32_t i = 0) {
  std::memcpy(static_cast<uint8_t*>(base) + field.offset + i * sizeof value, &value, sizeof value);
}

}  // namespace vta
