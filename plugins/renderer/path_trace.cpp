#include "path_trace.h"

#include <cmath>
#include <cstring>

#include "model/components/object_fields.h"
#include "placement.h"

namespace rnd {

namespace {

constexpr int kLineSamples = 201;
constexpr double kKeyWindow = 0.005;

struct TraceInputs {
  const vta::PathComponent& path;
  const vta::ObjectComponent* object;
  const SceneComponents& scene;
  const FrameOptions& options;
  float aspect;
  const SceneTurn& turn;
};

Vec3 pointAt(const TraceInputs& in, float u) {
  Vec3 p;
  if (in.object) {
    const vta::ObjectSetup setup = vta::objectSetup(*in.object);
    Vec3 pivot{setup.pivot.x, setup.pivot.y, setup.pivot.z};
    p = placementChain(*in.object, in.scene, in.options, u).apply(pivot);
  } else {
    vta::PathKey key{};
    in.path.evaluate(u, key);
    p = {key.positionX, key.positionY, key.positionZ};
  }
  p.x *= in.aspect;
  return in.turn.apply(p);
}

}  // namespace

PathTrace tracePath(vta::EffectDescription& effect, const vta::EffectSettings& record,
                    unsigned objectId, float aspect, const SceneTurn& turn, double t) {
  PathTrace trace;
  SceneComponents scene(effect, record.description);
  const vta::PathComponent* path = scene.pathFor(objectId);
  if (!path || path->keyCount == 0) return trace;
  FrameOptions options;
  std::memcpy(options.global, record.globalParams, sizeof options.global);
  std::memcpy(options.object, record.objectParams, sizeof options.object);
  auto* object = static_cast<const vta::ObjectComponent*>(
      effect.lists[vta::kObjects].findById(static_cast<uint16_t>(objectId)));
  TraceInputs in{*path, object, scene, options, aspect, turn};
  for (int i = 0; i < kLineSamples; ++i)
    trace.line.push_back(pointAt(in, float(i) / (kLineSamples - 1)));
  for (uint32_t k = 0; k < path->keyCount; ++k) {
    float time = path->keys[k].time;
    trace.keys.push_back(pointAt(in, time));
    if (trace.currentKey < 0 && std::fabs(time - t) <= kKeyWindow) trace.currentKey = int(k);
  }
  return trace;
}

}  // namespace rnd
