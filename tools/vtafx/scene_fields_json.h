#pragma once
// The named fields of a component kind (the model's field tables, e.g.
// model/components/light_fields.h) as members of a JSON object.

#include "json.h"
#include "model/components/scene_field.h"

namespace vtafx {

// Adds a member per entry, read from the Fields struct at base. Reserved
// bytes are written as hex and left out when all zero.
void fieldsToJson(const vta::FieldTable& table, const void* base, Json& out);
// Sets every entry's bytes from its member; a missing member leaves the
// bytes as they are (zero in a new component; a key's scale then is 1).
void fieldsFromJson(const vta::FieldTable& table, void* base, const Json& in);

}  // namespace vtafx
