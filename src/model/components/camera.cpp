#include "model/components/camera.h"

#include <cstring>

#include "model/components/component_payload.h"

namespace vta {

CameraComponent::CameraComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId,
                                 uint16_t parentId)
    : EffectComponent(id, spanStart, spanEnd, linkId, parentId), CameraFields{} {}

void CameraComponent::destroy(bool freeSelf) { destroyComponent(this, freeSelf); }

EffectComponent* CameraComponent::clone() const {
  auto* copy = makeComponent<CameraComponent>(id, spanStart, spanEnd, linkId, parentId);
  if (copy) static_cast<CameraFields&>(*copy) = *this;
  return copy;
}

void CameraComponent::setMotion(const uint32_t* words) {
  if (words) std::memcpy(motion, words, sizeof motion);
}

void CameraComponent::getMotion(uint32_t* words) const {
  if (words) std::memcpy(words, motion, sizeof motion);
}

int CameraComponent::readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) {
  if (!takesPayload(tag, kTag, length, payload, kPayloadSize)) return 0;
  ByteReader in = bodyReader(payload, length);
  readWords(in, motion, kMotionWords);
  in.bytes(block12, sizeof block12);
  in.bytes(block16, sizeof block16);
  return 1;
}

int CameraComponent::writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const {
  uint8_t* data = newPayload(kPayloadSize);
  if (data) {
    ByteWriter out = bodyWriter(data, kPayloadSize);
    writeWords(out, motion, kMotionWords);
    out.bytes(block12, sizeof block12);
    out.bytes(block16, sizeof block16);
  }
  return handOutPayload(kTag, kPayloadSize, data, tag, length, payload);
}

int CameraComponent::compare(const EffectComponent* other) const {
  const auto* that = dynamic_cast<const CameraComponent*>(other);
  if (!that || EffectComponent::compare(that) != 0) return 1;
  bool same = sameBytes(motion, that->motion, sizeof motion) &&
              sameBytes(block12, that->block12, sizeof block12) &&
              sameBytes(block16, that->block16, sizeof block16);
  return same ? 0 : 1;
}

}  // namespace vta
