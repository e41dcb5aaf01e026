#include "morph.h"

#include <algorithm>
#include <cmath>

#include "model/components/morph_fields.h"

namespace rnd {

namespace {

Vec3 curl(Vec3 p, float a, float c) {
  float d = p.x - c;
  if (d <= 0 || a <= 0) return p;
  float theta = d / a;
  if (theta <= kPi) return {c + a * std::sin(theta), p.y, p.z + a * (1 - std::cos(theta))};
  return {c - (d - kPi * a), p.y, p.z + 2 * a};
}

Vec3 fold(Vec3 p, float a, float c) {
  if (p.x <= c) return p;
  float d = p.x - c, cs = std::cos(radians(a)), sn = std::sin(radians(a));
  return {c + d * cs - p.z * sn, p.y, d * sn + p.z * cs};
}

Vec3 twist(Vec3 p, float a, float c) {
  float angle = radians(a * (p.y - c)), cs = std::cos(angle), sn = std::sin(angle);
  return {p.x * cs + p.z * sn, p.y, -p.x * sn + p.z * cs};
}

Vec3 ripple(Vec3 p, float a, float c, Vec3 centre) {
  float r = std::hypot(p.x - centre.x, p.y - centre.y);
  return {p.x, p.y, p.z + a * std::sin(2 * kPi * c * r)};
}

Vec3 gridCentre(const vta::ObjectPoint* points, uint32_t count) {
  if (count == 0) return {};
  float x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
  for (uint32_t i = 1; i < count; ++i) {
    x0 = std::min(x0, points[i].x), x1 = std::max(x1, points[i].x);
    y0 = std::min(y0, points[i].y), y1 = std::max(y1, points[i].y);
  }
  return {(x0 + x1) / 2, (y0 + y1) / 2, 0};
}

// Shape k of the object (0: as stored) at every point.
void shapePoints(const vta::ObjectComponent& o, uint32_t k, Vec3 centre, std::vector<Vec3>& out) {
  out.resize(o.pointCount);
  for (uint32_t i = 0; i < o.pointCount; ++i) {
    Vec3 p{o.points[i].x, o.points[i].y, o.points[i].z};
    out[i] = k == 0 ? p : deformPoint(o.morphs[k - 1], p, centre);
  }
}

}  // namespace

Vec3 deformPoint(const vta::MorphRecord& record, Vec3 p, Vec3 centre) {
  for (uint16_t e = 0; e < vta::morphEntryCount(record); ++e) {
    const vta::MorphEntry entry = vta::morphEntry(record, e);
    float a = entry.amount, c = entry.parameter;
    switch (entry.deform) {
      case vta::MorphDeform::kCurl: p = curl(p, a, c); break;
      case vta::MorphDeform::kFold: p = fold(p, a, c); break;
      case vta::MorphDeform::kRipple: p = ripple(p, a, c, centre); break;
      case vta::MorphDeform::kTwist: p = twist(p, a, c); break;
      default: break;
    }
  }
  return p;
}

std::vector<Vec3> morphedPoints(const vta::ObjectComponent& o) {
  std::vector<Vec3> lower;
  Vec3 centre = gridCentre(o.points, o.pointCount);
  if (o.morphCount == 0 || o.morphFrames == 0 || !o.morphs) {
    shapePoints(o, 0, centre, lower);
    return lower;
  }
  float k = std::clamp(o.morphPosition, 0.0f, float(o.morphFrames)) * o.morphCount / o.morphFrames;
  uint32_t k0 = std::min<uint32_t>(static_cast<uint32_t>(k), o.morphCount);
  uint32_t k1 = std::min<uint32_t>(k0 + 1, o.morphCount);
  float f = k - k0;
  shapePoints(o, k0, centre, lower);
  if (f <= 0 || k1 == k0) return lower;
  if (vta::morphEases(o.morphs[k1 - 1])) f = f * f * (3 - 2 * f);
  std::vector<Vec3> upper;
  shapePoints(o, k1, centre, upper);
  for (size_t i = 0; i < lower.size(); ++i) lower[i] = lower[i] + (upper[i] - lower[i]) * f;
  return lower;
}

}  // namespace rnd
