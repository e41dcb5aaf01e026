#pragma once
// The entries shared by the fuzz targets (tests/fuzz) and the crasher replay
// test (tests/unit/files): each feeds one input's bytes to one reader, or,
// for a round trip, reads, writes, reads the written file again and compares.
// An entry returns false when a check it makes fails; faults in memory are
// left to the sanitizers of the build.

#include <cstddef>
#include <cstdint>

namespace vta::fuzz {

using Entry = bool (*)(const uint8_t* data, size_t size);

struct Target {
  const char* name;  // also the folder of its crashers: tests/crashers/<name>
  Entry entry;
};

// Every target; ends with {nullptr, nullptr}.
extern const Target kTargets[];

// Null when no target has that name.
Entry findEntry(const char* name);

// One entry per reader and per writer's round trip, by file kind.
bool readChunkFile(const uint8_t* data, size_t size);
bool readChunkBlock(const uint8_t* data, size_t size);
bool roundTripChunks(const uint8_t* data, size_t size);
bool readEffectFull(const uint8_t* data, size_t size);
bool readEffectIcon(const uint8_t* data, size_t size);
bool roundTripEffect(const uint8_t* data, size_t size);
bool readTexture(const uint8_t* data, size_t size);
bool roundTripTexture(const uint8_t* data, size_t size);
bool readGroupList(const uint8_t* data, size_t size);
bool roundTripGroupList(const uint8_t* data, size_t size);
bool readDefaults(const uint8_t* data, size_t size);
bool roundTripDefaults(const uint8_t* data, size_t size);
bool readEnvelope(const uint8_t* data, size_t size);
bool roundTripEnvelope(const uint8_t* data, size_t size);
bool readPath(const uint8_t* data, size_t size);
bool roundTripPath(const uint8_t* data, size_t size);
bool readJsonDocument(const uint8_t* data, size_t size);
bool roundTripJson(const uint8_t* data, size_t size);
bool readMappedPicture(const uint8_t* data, size_t size);
bool readMappedClip(const uint8_t* data, size_t size);

}  // namespace vta::fuzz
