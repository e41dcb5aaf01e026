#pragma once
// The one mapping between the scene model's names (docs/scene.md) and the
// fields of the camera, light, object, surface and warp components. Each
// entry names a run of bytes in the kind's Fields struct and how it reads.

#include <cstddef>
#include <cstdint>

#include "json.h"

namespace vtafx {

enum class FieldType {
  kF32,    // count floats (an array when count > 1)
  kU16,    // count u16 values
  kU32,    // one u32
  kBytes,  // count bytes the scene model leaves reserved, as hex; omitted when zero
  kText,   // a NUL-terminated text in a field of count bytes
  kKey,    // a 14-word motion block, written as a path key
};

struct FieldLayout {
  const char* name;
  FieldType type;
  size_t offset;
  uint32_t count;
};

struct FieldTable {
  const FieldLayout* fields;
  size_t count;
};

FieldTable cameraFieldTable();
FieldTable lightFieldTable();
FieldTable objectFieldTable();
FieldTable surfaceFieldTable();
FieldTable warpFieldTable();

// Adds a member per entry, read from the Fields struct at base.
void fieldsToJson(const FieldTable& table, const void* base, Json& out);
// Sets every entry's bytes from its member; a missing member leaves the
// bytes as they are (zero in a new component; a key's scale then is 1).
void fieldsFromJson(const FieldTable& table, void* base, const Json& in);

}  // namespace vtafx
