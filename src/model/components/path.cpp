// Path lifecycle, chunk payload and comparison.
#include "model/components/path.h"

#include "curves/key_bytes.h"

namespace vta {

PathComponent::PathComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId,
                             uint16_t parentId)
    : EffectComponent(id, spanStart, spanEnd, linkId, parentId) {}

void PathComponent::destroy(bool freeSelf) { destroyComponent(this, freeSelf); }

EffectComponent* PathComponent::clone() const {
  auto* copy = makeComponent<PathComponent>(id, spanStart, spanEnd, linkId, parentId);
  if (copy) copy->copyFrom(*this);
  return copy;
}

int PathComponent::readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) {
  if (tag != kTag) return 0;
  // The common header is not read: the path keeps its own id, span and
  // links. A payload too short for the count it states gives only the whole
  // keys it holds; one without a count is refused.
  ByteReader in(payload, length);
  in.seek(kComponentHeaderSize);
  uint32_t count = in.u32();
  if (!in.ok()) return 0;
  uint32_t whole = static_cast<uint32_t>(in.remaining() / kPathKeySize);
  if (count > whole) count = whole;
  PathKey* loaded = newKeyArray<PathKey>(count);
  if (count > 0 && !loaded) return 0;
  for (uint32_t i = 0; i < count; ++i) loaded[i] = readKey<PathKey>(in);
  adoptKeys(loaded, count);
  return 1;
}

int PathComponent::writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const {
  *payload = nullptr;
  if (keyCount > (UINT32_MAX - kPathKeysOffset) / kPathKeySize) return 0;
  uint32_t size = kPathKeysOffset + kPathKeySize * keyCount;
  *tag = kTag;
  *length = size;
  *payload = newPayload(size);
  if (!*payload) return 0;
  ByteWriter out(*payload, size);
  out.seek(kComponentHeaderSize);
  out.u32(keyCount);
  for (uint32_t i = 0; i < keyCount; ++i) writeKey(out, keys[i]);
  return 1;
}

int PathComponent::compare(const EffectComponent* other) const {
  if (EffectComponent::compare(other)) return 1;
  auto* path = dynamic_cast<const PathComponent*>(other);
  if (!path || keyCount != path->keyCount) return 1;
  // PathKey has no padding, so its bytes are exactly the 56 of the payload.
  return compareBytes(keys, path->keys, size_t{keyCount} * kPathKeySize) != 0 ? 1 : 0;
}

void PathComponent::copyFrom(const PathComponent& other) {
  copyKeys(other.keys, other.keyCount);
}

}  // namespace vta
