#include "model/files/description_chunks.h"

#include "model/components/component_factory.h"
#include "model/files/chunk_payload.h"
#include "model/files/texture_file.h"
#include "platform/memory.h"

namespace vta {

namespace {

void replaceWithPayloadText(char*& slot, const Chunk& chunk, uint32_t offset) {
  release(slot);
  slot = duplicatePayloadText(chunk, offset);
}

void applyVariantCount(EffectDescription& description, const Chunk& chunk) {
  uint32_t count = 0;
  if (!payloadU32(chunk, count)) return;
  description.resetVariants(count < kMaxVariants ? count : kMaxVariants);
}

// "VDSC": u32 index, then the text. Indexes without an entry are ignored.
void applyVariantText(EffectDescription& description, const Chunk& chunk) {
  uint32_t index = 0;
  if (!payloadU32(chunk, index) || index >= description.variantCount) return;
  replaceWithPayloadText(description.variantTexts[index], chunk, 4);
}

// Values that only effect files carry; false for any other tag.
bool applyEffectOnlyChunk(EffectDescription& description, const Chunk& chunk) {
  switch (chunk.tag) {
    case fourCC("ALOW"): payloadU32(chunk, description.allowFlags); return true;
    case fourCC("IMG0"):
      readIconPayload(description.image, chunk.payload, chunk.length);
      return true;
    default: return false;
  }
}

}  // namespace

void applyDescriptionChunk(EffectDescription& description, const Chunk& chunk,
                           DescriptionSource source) {
  switch (chunk.tag) {
    case fourCC("ETYP"): payloadU32(chunk, description.effectType); return;
    case fourCC("ENAM"): replaceWithPayloadText(description.title, chunk, 0); return;
    case fourCC("DESC"): replaceWithPayloadText(description.text, chunk, 0); return;
    case fourCC("VCNT"): applyVariantCount(description, chunk); return;
    case fourCC("VDSC"): applyVariantText(description, chunk); return;
    case fourCC("BEST"): payloadF32(chunk, description.best); return;
    default: break;
  }
  if (source == DescriptionSource::kEffectFile && applyEffectOnlyChunk(description, chunk)) {
    return;
  }
  addComponentFromChunk(description, chunk);  // other tags are skipped
}

void applySummaryChunk(EffectSummary& summary, const Chunk& chunk) {
  switch (chunk.tag) {
    case fourCC("ENAM"): copyPayloadText(summary.title, summary.titleSize, chunk, 0); return;
    case fourCC("ALOW"): payloadU32(chunk, summary.allowFlags); return;
    default: return;
  }
}

}  // namespace vta
