#pragma once
// Rules for single chunks: which tags a kind of file uses and what size
// their payloads must have.

#include <cstdint>
#include <string>

#include "chunk_walk.h"
#include "file_kind.h"

namespace vtafx {

// True when files of this kind use the tag.
bool tagKnown(FileKind kind, uint32_t tag);

// The problem with the chunk's payload on its own (size, missing NUL,
// refused component, ...); empty when there is none.
std::string chunkProblem(FileKind kind, const WalkedChunk& chunk);

}  // namespace vtafx
