#include "model/components/object.h"

#include <cstring>

#include "model/components/component_arrays.h"
#include "model/components/component_payload.h"
#include "model/components/object_payload.h"

namespace vta {

namespace {

// value limited to [0, high]; NaN becomes 0.
float clampTo(float value, float high) {
  if (!(value > 0.0f)) return 0.0f;
  return value > high ? high : value;
}

}  // namespace

ObjectComponent::ObjectComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId,
                                 uint16_t parentId)
    : EffectComponent(id, spanStart, spanEnd, linkId, parentId), ObjectFields{} {}

ObjectComponent::~ObjectComponent() { releaseObjectArrays(*this); }

void ObjectComponent::destroy(bool freeSelf) { destroyComponent(this, freeSelf); }

EffectComponent* ObjectComponent::clone() const {
  auto* copy = makeComponent<ObjectComponent>(id, spanStart, spanEnd, linkId, parentId);
  if (!copy) return nullptr;
  static_cast<ObjectFields&>(*copy) = *this;
  copy->points = duplicateArray(points, pointCount);
  copy->morphs = duplicateArray(morphs, morphCount);
  if (arrayMissing(copy->points, pointCount) || arrayMissing(copy->morphs, morphCount)) {
    copy->destroy(true);
    return nullptr;
  }
  return copy;
}

void ObjectComponent::setMotion(const uint32_t* words) {
  if (words) std::memcpy(motion, words, sizeof motion);
}

void ObjectComponent::getMotion(uint32_t* words) const {
  if (words) std::memcpy(words, motion, sizeof motion);
}

int ObjectComponent::readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) {
  if (!takesPayload(tag, kTag, length, payload, kComponentHeaderSize)) return 0;
  ByteReader in = bodyReader(payload, length);
  ObjectFields parsed{};
  if (!readObjectBody(in, parsed)) return 0;
  releaseObjectArrays(*this);
  static_cast<ObjectFields&>(*this) = parsed;
  return 1;
}

uint64_t ObjectComponent::declaredLength() const {
  return kBaseLength + uint64_t{kPointLength} * pointCount + uint64_t{kMorphLength} * morphCount;
}

int ObjectComponent::writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const {
  uint64_t declared = declaredLength();
  uint32_t size = declared <= UINT32_MAX ? static_cast<uint32_t>(declared) : 0;
  uint8_t* data = newPayload(size);
  if (data) {
    ByteWriter out = bodyWriter(data, size);
    writeObjectBody(out, *this);
  }
  return handOutPayload(kTag, size, data, tag, length, payload);
}

void ObjectComponent::setParameter(uint16_t index, float value) {
  if (index == kFade) fade = clampTo(value, 1.0f);
  if (index == kMorphPosition) morphPosition = clampTo(value, static_cast<float>(morphFrames));
}

int ObjectComponent::compare(const EffectComponent* other) const {
  const auto* that = dynamic_cast<const ObjectComponent*>(other);
  if (!that || EffectComponent::compare(that) != 0) return 1;
  bool same = morphFrames == that->morphFrames && firstWord == that->firstWord &&
              secondWord == that->secondWord && pointCount == that->pointCount &&
              morphCount == that->morphCount && sameBytes(motion, that->motion, sizeof motion);
  return same ? 0 : 1;
}

}  // namespace vta
