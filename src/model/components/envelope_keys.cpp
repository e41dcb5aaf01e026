// Envelope key editing, lookup, end-key completion and evaluation.
#include <algorithm>

#include "model/components/envelope.h"
#include "curves/kb_spline.h"
#include "curves/key_array.h"

namespace vta {

void EnvelopeComponent::setKeyCount(uint32_t n) { adoptKeys(newKeyArray<EnvelopeKey>(n), n); }

void EnvelopeComponent::setKey(uint32_t index, const EnvelopeKey& key) {
  if (index < keyCount) keys[index] = key;
}

void EnvelopeComponent::insertKey(const EnvelopeKey& key) {
  EnvelopeKey* grown = withKeyInserted(keys, keyCount, key);
  if (grown) adoptKeys(grown, keyCount + 1);
}

void EnvelopeComponent::deleteKey(const EnvelopeKey& key) {
  uint32_t matching = countKeysAt(keys, keyCount, key.time);
  if (matching == 0) return;
  uint32_t remaining = keyCount - matching;
  EnvelopeKey* kept = withoutKeysAt(keys, keyCount, key.time, remaining);
  if (kept || remaining == 0) adoptKeys(kept, remaining);
}

int EnvelopeComponent::findKey(float time, EnvelopeKey& out) const {
  for (uint32_t i = 0; i < keyCount; ++i) {
    if (keys[i].time == time) {
      out = keys[i];
      return 1;
    }
  }
  return 0;
}

namespace {

// A straight, plain key holding value at time: what completion adds.
EnvelopeKey endKey(float time, float value) {
  EnvelopeKey key{};
  key.time = time;
  key.value = value;
  key.linear = 1;
  return key;
}

}  // namespace

void EnvelopeComponent::completeEndKeys() {
  if (keyCount == 0) return;
  if (keys[0].time != 0.0f) insertKey(endKey(0.0f, keys[0].value));
  if (keys[keyCount - 1].time != 1.0f) insertKey(endKey(1.0f, keys[keyCount - 1].value));
}

float EnvelopeComponent::evaluate(float time) const {
  if (keyCount == 0) return 0.0f;
  if (keyCount == 1) return keys[0].value;
  uint32_t i = findSegment(keys, keyCount, time);
  // Outside the keys' range the curve holds the nearest segment's end value.
  double u = std::clamp(segmentPosition(keys[i].time, keys[i + 1].time, time), 0.0, 1.0);
  KbSegment segment = makeSegment(keys, keyCount, i, u);
  return blendField(segment, keys, keyCount, i, &EnvelopeKey::value);
}

}  // namespace vta
