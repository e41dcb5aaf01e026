// Path evaluation.
#include "curves/kb_spline.h"
#include "model/components/path.h"

namespace vta {

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
