// Envelope end-key completion and evaluation.
#include <algorithm>

#include "model/components/envelope.h"
#include "curves/kb_spline.h"

namespace vta {

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
