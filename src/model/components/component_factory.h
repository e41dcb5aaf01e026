#pragma once
// Components built from, and written as, chunks of an effect file or record.

#include <cstdint>

#include "model/effect_component.h"
#include "model/effect_description.h"
#include "platform/chunk_file.h"

namespace vta {

// True for the tags of the seven component kinds.
bool isComponentTag(uint32_t tag);

// A new component of the kind the tag names, built from the payload's common
// header and then its readChunk(), with *kind (when not null) set to its
// list. Null for other tags, a payload shorter than the header, a payload the
// kind refuses, or lack of memory.
EffectComponent* createComponentFromChunk(uint32_t tag, uint32_t length, const uint8_t* payload,
                                          ComponentKind* kind);

// Builds a component from chunk and appends it to the list of its kind.
// Returns whether the chunk carries a component tag, even when its payload
// was refused.
bool addComponentFromChunk(EffectDescription& description, const Chunk& chunk);

// Writes every component of lists 0 to 6, in list order, one chunk each; a
// failure does not stop the others. Returns 1 when every chunk was written.
int writeAllComponents(ChunkFile& out, const EffectDescription& description);

}  // namespace vta
