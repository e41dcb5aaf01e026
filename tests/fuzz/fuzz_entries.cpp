#include "fuzz_entries.h"

#include <cstring>

namespace vta::fuzz {

const Target kTargets[] = {
    {"chunk_file", readChunkFile},
    {"chunk_block", readChunkBlock},
    {"chunk_roundtrip", roundTripChunks},
    {"effect_full", readEffectFull},
    {"effect_icon", readEffectIcon},
    {"effect_roundtrip", roundTripEffect},
    {"texture", readTexture},
    {"texture_roundtrip", roundTripTexture},
    {"group_list", readGroupList},
    {"group_list_roundtrip", roundTripGroupList},
    {"defaults", readDefaults},
    {"defaults_roundtrip", roundTripDefaults},
    {"envelope", readEnvelope},
    {"envelope_roundtrip", roundTripEnvelope},
    {"path", readPath},
    {"path_roundtrip", roundTripPath},
    {"json", readJsonDocument},
    {"json_roundtrip", roundTripJson},
    {"mapped_picture", readMappedPicture},
    {"mapped_clip", readMappedClip},
    {nullptr, nullptr},
};

Entry findEntry(const char* name) {
  for (const Target* target = kTargets; target->name; ++target) {
    if (std::strcmp(target->name, name) == 0) return target->entry;
  }
  return nullptr;
}

}  // namespace vta::fuzz
