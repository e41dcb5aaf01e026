#pragma once
// The kinds of chunk file the library reads, recognised by their magic.

#include <cstdint>
#include <string>

namespace vtafx {

enum class FileKind { kEffect, kTexture, kGroupList, kDefaults, kEnvelope, kPath, kUnknown };

// "effect", "texture", "groupList", "defaults", "envelope", "path".
const char* kindName(FileKind kind);
FileKind kindFromName(const std::string& name);
uint32_t kindMagic(FileKind kind);
FileKind kindFromMagic(uint32_t magic);

// The first four bytes of the file; false when it cannot be read or is
// shorter.
bool readMagic(const char* path, uint32_t& magic);

// The four characters of a tag or magic; bytes outside printable ASCII as
// "\xNN".
std::string tagText(uint32_t tag);

}  // namespace vtafx
