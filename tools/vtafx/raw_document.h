#pragma once
// The chunks of a file exactly as stored: {"kind": "raw", "magic": ...,
// "chunks": [{"tag", "offset", "length", "decoded" (where the tag is known),
// "hex"}]}. Building from it writes the magic and each chunk's "tag" and
// "hex" back unchanged (offsets, lengths and decoded values are ignored).

#include <string>

#include "chunk_walk.h"
#include "json.h"

namespace vtafx {

// False with error set when the file cannot be walked at all; a damaged end
// is reported in "damage".
bool rawDocument(const char* path, Json& out, std::string& error);
void buildRawDocument(const Json& document, const char* path);

// The payload decoded by what its tag means in a file of that magic; null
// for tags that are not known.
Json decodeChunk(uint32_t magic, const WalkedChunk& chunk);

}  // namespace vtafx
