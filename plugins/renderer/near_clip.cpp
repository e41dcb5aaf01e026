#include "near_clip.h"

namespace rnd {

namespace {

ClipVertex between(const ClipVertex& a, const ClipVertex& b, float t) {
  ClipVertex v;
  v.camera = a.camera + (b.camera - a.camera) * t;
  for (int k = 0; k < kVaryings; ++k) v.value[k] = a.value[k] + (b.value[k] - a.value[k]) * t;
  return v;
}

}  // namespace

int clipNear(const ClipVertex* triangle, float near, ClipVertex* out) {
  int count = 0;
  for (int i = 0; i < 3; ++i) {
    const ClipVertex& a = triangle[i];
    const ClipVertex& b = triangle[(i + 1) % 3];
    float da = -a.camera.z - near, db = -b.camera.z - near;
    if (da >= 0) out[count++] = a;
    if ((da >= 0) != (db >= 0)) out[count++] = between(a, b, da / (da - db));
  }
  return count;
}

}  // namespace rnd
