#include "model/components/light.h"

#include <cstring>

#include "model/components/component_payload.h"

namespace vta {

LightComponent::LightComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId,
                               uint16_t parentId)
    : EffectComponent(id, spanStart, spanEnd, linkId, parentId), LightFields{} {}

void LightComponent::destroy(bool freeSelf) { destroyComponent(this, freeSelf); }

EffectComponent* LightComponent::clone() const {
  auto* copy = makeComponent<LightComponent>(id, spanStart, spanEnd, linkId, parentId);
  if (copy) static_cast<LightFields&>(*copy) = *this;
  return copy;
}

void LightComponent::setMotion(const uint32_t* words) {
  if (words) std::memcpy(motion, words, sizeof motion);
}

void LightComponent::getMotion(uint32_t* words) const {
  if (words) std::memcpy(words, motion, sizeof motion);
}

int LightComponent::readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) {
  if (!takesPayload(tag, kTag, length, payload, kPayloadSize)) return 0;
  ByteReader in = bodyReader(payload, length);
  lightWord = in.u16();
  in.bytes(block16, sizeof block16);
  readWords(in, motion, kMotionWords);
  in.bytes(block12, sizeof block12);
  firstValue = in.u32();
  secondValue = in.u32();
  return 1;
}

int LightComponent::writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const {
  uint8_t* data = newPayload(kPayloadSize);
  if (data) {
    ByteWriter out = bodyWriter(data, kPayloadSize);
    out.u16(lightWord);
    out.bytes(block16, sizeof block16);
    writeWords(out, motion, kMotionWords);
    out.bytes(block12, sizeof block12);
    out.u32(firstValue);
    out.u32(secondValue);
  }
  return handOutPayload(kTag, kPayloadSize, data, tag, length, payload);
}

int LightComponent::compare(const EffectComponent* other) const {
  const auto* that = dynamic_cast<const LightComponent*>(other);
  if (!that || EffectComponent::compare(that) != 0) return 1;
  bool same = lightWord == that->lightWord && sameBytes(block16, that->block16, sizeof block16) &&
              sameBytes(motion, that->motion, kComparedMotionBytes);
  return same ? 0 : 1;
}

}  // namespace vta
