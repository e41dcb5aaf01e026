// Envelope lifecycle, chunk payload and comparison.
#include "model/components/envelope.h"

#include "curves/key_bytes.h"
#include "curves/key_editing.h"

namespace vta {

EnvelopeComponent::EnvelopeComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId,
                                     uint16_t parentId)
    : EffectComponent(id, spanStart, spanEnd, linkId, parentId),
      parameterIndex(0) {}

void EnvelopeComponent::destroy(bool freeSelf) { destroyComponent(this, freeSelf); }

EffectComponent* EnvelopeComponent::clone() const {
  auto* copy = makeComponent<EnvelopeComponent>(id, spanStart, spanEnd, linkId, parentId);
  if (copy) copy->copyFrom(*this);
  return copy;
}

int EnvelopeComponent::readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) {
  bool taken = false;
  if (tag == kTag) {
    // Refuse a payload too short for the key count it states or whose key
    // times are out of order; the common header is not read, so id, span and
    // links stay as constructed.
    ByteReader in(payload, length);
    in.seek(kComponentHeaderSize);
    uint16_t parameter = in.u16();
    uint32_t count = in.u32();
    if (!in.ok() || count > in.remaining() / kEnvelopeKeySize) return 0;
    EnvelopeKey* loaded = newKeyArray<EnvelopeKey>(count);
    if (count > 0 && !loaded) return 0;
    for (uint32_t i = 0; i < count; ++i) loaded[i] = readKey<EnvelopeKey>(in);
    // Only times from 0.0 to 1.0 that never go back (NaN fails) let the end
    // keys land first and last, so that loading a saved envelope gives it back.
    if (count > 0 && !usableKeys(loaded, count)) {
      release(loaded);
      return 0;
    }
    parameterIndex = parameter;
    adoptKeys(loaded, count);
    taken = true;
  }
  completeEndKeys();
  return taken ? 1 : 0;
}

int EnvelopeComponent::writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const {
  *payload = nullptr;
  if (keyCount > (UINT32_MAX - kEnvelopeKeysOffset) / kEnvelopeKeySize) return 0;
  uint32_t size = kEnvelopeKeysOffset + kEnvelopeKeySize * keyCount;
  *tag = kTag;
  *length = size;
  *payload = newPayload(size);
  if (!*payload) return 0;
  ByteWriter out(*payload, size);
  out.seek(kComponentHeaderSize);
  out.u16(parameterIndex);
  out.u32(keyCount);
  for (uint32_t i = 0; i < keyCount; ++i) writeKey(out, keys[i]);
  return 1;
}

namespace {

bool sameKey(const EnvelopeKey& a, const EnvelopeKey& b) {
  return a.time == b.time && a.value == b.value && a.tension == b.tension &&
         a.continuity == b.continuity && a.bias == b.bias && a.linear == b.linear;
}

}  // namespace

int EnvelopeComponent::compare(const EffectComponent* other) const {
  if (EffectComponent::compare(other)) return 1;
  auto* envelope = dynamic_cast<const EnvelopeComponent*>(other);
  if (!envelope || parameterIndex != envelope->parameterIndex || keyCount != envelope->keyCount)
    return 1;
  for (uint32_t i = 0; i < keyCount; ++i) {
    if (!sameKey(keys[i], envelope->keys[i])) return 1;
  }
  return 0;
}

void EnvelopeComponent::copyFrom(const EnvelopeComponent& other) {
  parameterIndex = other.parameterIndex;
  copyKeys(other.keys, other.keyCount);
}

}  // namespace vta
