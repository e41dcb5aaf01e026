#include "scene_morph.h"

#include <cmath>

#include "model/components/morph_fields.h"

namespace vtafx {

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

void curl(vta::ObjectPoint& p, float radius, float axis) {
  const float d = p.x - axis;
  if (d <= 0 || radius <= 0) return;
  const float angle = d / radius;
  if (angle <= kPi) {
    p.x = axis + radius * std::sin(angle);
    p.z += radius * (1 - std::cos(angle));
  } else {
    p.x = axis - (d - kPi * radius);
    p.z += 2 * radius;
  }
}

void turn(float& a, float& b, float degrees) {
  const float c = std::cos(degrees * kDegrees), s = std::sin(degrees * kDegrees);
  const float ra = a * c - b * s;
  b = a * s + b * c;
  a = ra;
}

void applyEntry(vta::ObjectPoint& p, const vta::MorphEntry& entry, const vta::ObjectPoint& centre) {
  const float amount = entry.amount, parameter = entry.parameter;
  switch (entry.deform) {
    case vta::MorphDeform::kCurl: curl(p, amount, parameter); return;
    case vta::MorphDeform::kFold:
      if (p.x > parameter) {
        float x = p.x - parameter;
        turn(x, p.z, amount);  // toward +z
        p.x = x + parameter;
      }
      return;
    case vta::MorphDeform::kRipple:
      p.z += amount * std::sin(2 * kPi * parameter * std::hypot(p.x - centre.x, p.y - centre.y));
      return;
    case vta::MorphDeform::kTwist: turn(p.z, p.x, amount * (p.y - parameter)); return;
    default: return;
  }
}

vta::ObjectPoint gridCentre(const vta::ObjectComponent& o) {
  vta::ObjectPoint c{0, 0, 0};
  for (uint32_t i = 0; i < o.pointCount; ++i) c.x += o.points[i].x, c.y += o.points[i].y;
  if (o.pointCount)
    c.x /= static_cast<float>(o.pointCount), c.y /= static_cast<float>(o.pointCount);
  return c;
}

// Shape k: the grid deformed by morph record k - 1; shape 0 the grid itself.
std::vector<vta::ObjectPoint> shape(const vta::ObjectComponent& o, uint32_t k) {
  std::vector<vta::ObjectPoint> points(o.points, o.points + o.pointCount);
  if (k == 0) return points;
  const vta::MorphRecord& m = o.morphs[k - 1];
  const vta::ObjectPoint centre = gridCentre(o);
  for (vta::ObjectPoint& p : points) {
    for (uint16_t e = 0; e < vta::morphEntryCount(m); ++e)
      applyEntry(p, vta::morphEntry(m, e), centre);
  }
  return points;
}

}  // namespace

std::vector<vta::ObjectPoint> morphedPoints(const vta::ObjectComponent& o, float position) {
  if (o.morphCount == 0 || o.morphFrames == 0 || !(position > 0)) return shape(o, 0);
  float k = position * static_cast<float>(o.morphCount) / static_cast<float>(o.morphFrames);
  if (k > static_cast<float>(o.morphCount)) k = static_cast<float>(o.morphCount);
  const auto low = static_cast<uint32_t>(k);
  const uint32_t high = low < o.morphCount ? low + 1 : low;
  float f = k - static_cast<float>(low);
  if (vta::morphEases(o.morphs[high - 1])) f = f * f * (3 - 2 * f);
  std::vector<vta::ObjectPoint> a = shape(o, low), b = shape(o, high);
  for (size_t i = 0; i < a.size(); ++i) {
    a[i].x += (b[i].x - a[i].x) * f;
    a[i].y += (b[i].y - a[i].y) * f;
    a[i].z += (b[i].z - a[i].z) * f;
  }
  return a;
}

}  // namespace vtafx
