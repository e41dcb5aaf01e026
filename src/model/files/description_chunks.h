#pragma once
// How the chunks of effect files and of the defaults file change a
// description, and the lighter summary the effect-list rebuild reads.

#include <cstdint>

#include "model/effect_description.h"
#include "platform/chunk_file.h"

namespace vta {

// An effect has at most this many object entries; a larger "VCNT" is
// lowered to it.
constexpr uint32_t kMaxVariants = 20;

enum class DescriptionSource {
  kEffectFile,    // every description chunk
  kDefaultsFile,  // as an effect file, but without "ALOW" and "IMG0"
};

// Applies one chunk: "ETYP", "ENAM", "DESC", "VCNT", "VDSC", "BEST", "ALOW"
// and "IMG0" set their value (the later of two chunks wins), component tags
// append a new component to the list of their kind. Other tags, and value
// chunks too short for their value, change nothing.
void applyDescriptionChunk(EffectDescription& description, const Chunk& chunk,
                           DescriptionSource source);

// The title and allow flags of an effect, read without building a
// description. title holds titleSize bytes.
struct EffectSummary {
  char* title;
  unsigned titleSize;
  uint32_t allowFlags;
};

// Applies "ENAM" and "ALOW" by the same rules as applyDescriptionChunk;
// every other chunk is skipped.
void applySummaryChunk(EffectSummary& summary, const Chunk& chunk);

}  // namespace vta
