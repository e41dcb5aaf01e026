#include "model/components/surface.h"

#include "model/components/component_payload.h"

namespace vta {

SurfaceComponent::SurfaceComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId,
                                   uint16_t parentId)
    : EffectComponent(id, spanStart, spanEnd, linkId, parentId), SurfaceFields{} {}

void SurfaceComponent::destroy(bool freeSelf) { destroyComponent(this, freeSelf); }

EffectComponent* SurfaceComponent::clone() const {
  auto* copy = makeComponent<SurfaceComponent>(id, spanStart, spanEnd, linkId, parentId);
  if (!copy) return nullptr;
  static_cast<SurfaceFields&>(*copy) = *this;
  copy->runtimeWord = 0;
  return copy;
}

int SurfaceComponent::readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) {
  if (!takesPayload(tag, kTag, length, payload, kPayloadSize)) return 0;
  ByteReader in = bodyReader(payload, length);
  mappingKind = in.u16();
  objectIndex = in.u16();
  in.bytes(blocks, sizeof blocks);
  amount = in.f32();
  in.bytes(fourthBlock, sizeof fourthBlock);
  readText(in, mapFile, sizeof mapFile);
  frameOffset = in.f32();
  runtimeWord = in.u32();
  mapWord = in.u32();
  in.bytes(vectors, sizeof vectors);
  lastWord = in.u16();
  return 1;
}

int SurfaceComponent::writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const {
  uint8_t* data = newPayload(kPayloadSize);
  if (data) {
    ByteWriter out = bodyWriter(data, kPayloadSize);
    out.u16(mappingKind);
    out.u16(objectIndex);
    out.bytes(blocks, sizeof blocks);
    out.f32(amount);
    out.bytes(fourthBlock, sizeof fourthBlock);
    writeText(out, mapFile, sizeof mapFile);
    out.f32(frameOffset);
    out.u32(runtimeWord);
    out.u32(mapWord);
    out.bytes(vectors, sizeof vectors);
    out.u16(lastWord);
  }
  return handOutPayload(kTag, kPayloadSize, data, tag, length, payload);
}

int SurfaceComponent::compare(const EffectComponent* other) const {
  const auto* that = dynamic_cast<const SurfaceComponent*>(other);
  if (!that || EffectComponent::compare(that) != 0) return 1;
  bool same = mappingKind == that->mappingKind && objectIndex == that->objectIndex &&
              sameBytes(blocks, that->blocks, sizeof blocks) && amount == that->amount &&
              sameBytes(fourthBlock, that->fourthBlock, sizeof fourthBlock) &&
              frameOffset == that->frameOffset && mapWord == that->mapWord &&
              sameBytes(vectors, that->vectors, sizeof vectors) && lastWord == that->lastWord &&
              compareStrings(mapFile, that->mapFile) == 0;
  return same ? 0 : 1;
}

}  // namespace vta
