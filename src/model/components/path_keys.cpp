// Path key editing, lookup and evaluation.
#include <cmath>

#include "curves/kb_spline.h"
#include "curves/key_array.h"
#include "model/components/path.h"

namespace vta {

void PathComponent::setKeyCount(uint32_t n) { adoptKeys(newKeyArray<PathKey>(n), n); }

void PathComponent::setKey(uint32_t index, const PathKey& key) {
  if (index < keyCount) keys[index] = key;
}

void PathComponent::insertKey(const PathKey& key) {
  PathKey* grown = withKeyInserted(keys, keyCount, key);
  if (grown) adoptKeys(grown, keyCount + 1);
}

void PathComponent::removeKey(float time) {
  uint32_t matching = countKeysAt(keys, keyCount, time);
  if (matching == 0) return;
  uint32_t remaining = keyCount - matching;
  PathKey* kept = withoutKeysAt(keys, keyCount, time, remaining);
  if (kept || remaining == 0) adoptKeys(kept, remaining);
}

int PathComponent::findKey(float time, PathKey& out) const {
  for (uint32_t i = 0; i < keyCount; ++i) {
    if (std::fabs(static_cast<double>(keys[i].time) - time) < 0.005) {
      out = keys[i];
      return 1;
    }
  }
  return 0;
}

void PathComponent::evaluate(float time, PathKey& out) const {
  if (keyCount == 0) return;
  if (keyCount == 1) {
    out = keys[0];
    return;
  }
  // Outside the keys' range the first or last segment extrapolates.
  uint32_t i = findSegment(keys, keyCount, time);
  KbSegment segment =
      makeSegment(keys, keyCount, i, segmentPosition(keys[i].time, keys[i + 1].time, time));
  for (float PathKey::*field : kPlacementFields) {
    out.*field = blendField(segment, keys, keyCount, i, field);
  }
}

}  // namespace vta
