#include "icon_art.h"

#include <cmath>

#include "canvas.h"
#include "component_json.h"
#include "model/components/envelope.h"
#include "model/components/object.h"
#include "model/components/object_fields.h"
#include "model/components/path.h"
#include "scene_geometry.h"
#include "scene_morph.h"

namespace vtafx {

namespace {

constexpr int kMoments = 4;
constexpr float kNearest = 0.05f;  // points closer to the camera are not drawn
constexpr float kZoom = 0.75f;     // the frame's outline stays inside the icon
constexpr float kGone = 0.95f;     // objects faded this far are not drawn

const vta::PathComponent* pathOf(const vta::EffectDescription& d, uint16_t objectId) {
  for (const vta::EffectComponent* c = d.lists[vta::kPaths].head; c; c = c->next) {
    if (c->linkId == objectId) return static_cast<const vta::PathComponent*>(c);
  }
  return nullptr;
}

vta::PathKey placementAt(const vta::EffectDescription& d, const vta::ObjectComponent& object,
                         float t) {
  vta::PathKey key = vta::objectSetup(object).placement;
  if (const vta::PathComponent* path = pathOf(d, object.id)) path->evaluate(t, key);
  return key;
}

bool project(const Vec3& v, int& x, int& y) {
  const float depth = kCameraDistance - v.z;
  if (depth < kNearest) return false;
  const float half = kIconSize / 2.0f;
  x = static_cast<int>(half + kZoom * half * kCameraDistance * v.x / depth);
  y = static_cast<int>(half - kZoom * half * kCameraDistance * v.y / depth);
  return true;
}

// The grid's border points, clockwise from the top left.
std::vector<uint32_t> outline(uint32_t columns, uint32_t rows) {
  std::vector<uint32_t> ring;
  for (uint32_t i = 0; i < columns; ++i) ring.push_back(i);
  for (uint32_t j = 1; j < rows; ++j) ring.push_back(j * columns + columns - 1);
  for (uint32_t i = columns - 1; i-- > 0;) ring.push_back((rows - 1) * columns + i);
  for (uint32_t j = rows - 1; j-- > 1;) ring.push_back(j * columns);
  return ring;
}

// A copy of the object with its envelopes (fade, morph position) applied at t.
ComponentPtr animated(const vta::EffectDescription& d, const vta::ObjectComponent& object,
                      float t) {
  ComponentPtr copy(object.clone());
  for (const vta::EffectComponent* c = d.lists[vta::kEnvelopes].head; copy && c; c = c->next) {
    const auto& envelope = static_cast<const vta::EnvelopeComponent&>(*c);
    if (c->linkId == object.id) copy->setParameter(envelope.parameterIndex, envelope.evaluate(t));
  }
  return copy;
}

void drawObject(Canvas& canvas, const vta::ObjectComponent& object, const vta::PathKey& key,
                Rgb colour) {
  const vta::ObjectSetup setup = vta::objectSetup(object);
  const uint32_t columns = setup.columns, rows = setup.rows;
  if (columns < 2 || rows < 2 || uint64_t{columns} * rows != object.pointCount ||
      object.fade > kGone)
    return;
  const std::vector<vta::ObjectPoint> points = morphedPoints(object, object.morphPosition);
  const Vec3 pivot{setup.pivot.x, setup.pivot.y, setup.pivot.z};
  const std::vector<uint32_t> ring = outline(columns, rows);
  for (size_t i = 0; i < ring.size(); ++i) {
    int x0, y0, x1, y1;
    const Vec3 a = placePoint(points[ring[i]], pivot, key);
    const Vec3 b = placePoint(points[ring[(i + 1) % ring.size()]], pivot, key);
    if (project(a, x0, y0) && project(b, x1, y1)) canvas.line(x0, y0, x1, y1, colour);
  }
}

// Warped effects get rings at the centre.
void drawRipples(Canvas& canvas) {
  const int c = kIconSize / 2;
  for (int r = 3; r < c; r += 5) {
    for (int a = 0; a < 64; ++a) {
      const float angle = static_cast<float>(a) * 6.2831853f / 64;
      canvas.plot(c + static_cast<int>(r * std::cos(angle)),
                  c + static_cast<int>(r * std::sin(angle)), Rgb{120, 200, 255});
    }
  }
}

}  // namespace

Picture effectIcon(const vta::EffectDescription& d) {
  const bool bothOnObjects = d.effectType == 1;
  Canvas canvas(kIconSize, kIconSize, bothOnObjects ? Rgb{16, 16, 24} : Rgb{30, 60, 140});
  for (int m = kMoments - 1; m >= 0; --m) {
    const float t = static_cast<float>(m) / kMoments;
    const Rgb colour = m == 0 ? Rgb{255, 255, 255} : hueColour(30, 255 - 50 * m);
    for (const vta::EffectComponent* c = d.lists[vta::kObjects].head; c; c = c->next) {
      const auto& object = static_cast<const vta::ObjectComponent&>(*c);
      ComponentPtr now = animated(d, object, t);
      if (now)
        drawObject(canvas, static_cast<const vta::ObjectComponent&>(*now),
                   placementAt(d, object, t), colour);
    }
  }
  if (d.lists[vta::kWarps].count) drawRipples(canvas);
  return canvas.picture();
}

}  // namespace vtafx
