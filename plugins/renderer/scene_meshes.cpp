#include "scene_meshes.h"

#include <algorithm>
#include <cmath>

#include "model/components/object_fields.h"
#include "model/components/surface_fields.h"
#include "morph.h"
#include "placement.h"
#include "vantaro/vantaro.h"

namespace rnd {

namespace {

constexpr int kMaxTrails = 16;

void worldPoints(const MeshInputs& in, const vta::ObjectComponent& o, const FrameOptions& options,
                 float u, const std::vector<Vec3>& shape, std::vector<Vec3>& world) {
  PlacementChain chain = placementChain(o, in.scene, options, u);
  world.resize(shape.size());
  for (size_t i = 0; i < shape.size(); ++i) {
    world[i] = chain.apply(shape[i]);
    world[i].x *= in.aspect;
  }
}

void gridMapping(const vta::MapArea& a, ObjectMesh& mesh) {
  for (int r = 0; r < mesh.rows; ++r)
    for (int c = 0; c < mesh.columns; ++c) {
      mesh.u.push_back(a.u0 + (a.u1 - a.u0) * c / (mesh.columns - 1));
      mesh.v.push_back(a.v0 + (a.v1 - a.v0) * r / (mesh.rows - 1));
    }
}

// Picture positions from where the points are on screen at scene time 0
// (worked out in mesh.world, which the frame's points replace later).
void screenMapping(const MeshInputs& in, const vta::ObjectComponent& o,
                   const std::vector<Vec3>& shape, ObjectMesh& mesh) {
  worldPoints(in, o, in.options, 0.0f, shape, mesh.world);
  for (Vec3 p : mesh.world) {
    Vec3 c = in.camera.toCamera(p);
    bool ahead = c.z < -1e-6f;
    mesh.u.push_back(ahead ? (in.camera.screenX(c, in.aspect) + 1) / 2 : 0.5f);
    mesh.v.push_back(ahead ? (1 - in.camera.screenY(c)) / 2 : 0.5f);
  }
}

bool meshOf(const MeshInputs& in, const vta::ObjectComponent& o, const FrameOptions& options,
            float u, float opacity, MeshStore& out) {
  const vta::ObjectSetup setup = vta::objectSetup(o);
  int columns = setup.columns, rows = setup.rows;
  if (columns < 2 || rows < 2 || uint32_t(columns) * rows != o.pointCount || !o.points) return true;
  const vta::SurfaceComponent* surface = findSurface(in.effect, o.surfaceNumber);
  const vta::SurfaceSetup mapping = surface ? vta::surfaceSetup(*surface) : vta::SurfaceSetup{};
  bool missing = false;
  ObjectMesh mesh = out.take();
  mesh.columns = columns, mesh.rows = rows;
  mesh.front = frontLook(in.looks, surface, o.fade, missing);
  mesh.front.alpha *= opacity;
  mesh.doubleSided = setup.doubleSided;
  mesh.back = mesh.front;
  if (mesh.doubleSided && setup.backSource > 0) {
    mesh.back = backLook(mesh.front, in.looks.sources, setup.backSource, missing);
    mesh.backMirrored = true;
  }
  mesh.shine = clamp01(options.forSurface(o.surfaceNumber, VTA_SHINE) / 100);
  mesh.luminosity = clamp01(options.forSurface(o.surfaceNumber, VTA_LUMINOSITY) / 100);
  std::vector<Vec3> shape = morphedPoints(o);
  if (mapping.screenMapped)
    screenMapping(in, o, shape, mesh);
  else
    gridMapping(mapping.mapAreaInUse(), mesh);
  worldPoints(in, o, options, u, shape, mesh.world);
  for (Vec3& p : mesh.world) p = in.turn.apply(p);
  Vec3 centre;
  for (Vec3 p : mesh.world) centre = centre + p * (1.0f / mesh.world.size());
  Vec3 offset = centre - in.camera.position;
  mesh.distance = std::sqrt(dot(offset, offset));
  const bool drawn = mesh.front.alpha > 0;
  out.keep(std::move(mesh), drawn);
  return !missing;
}

bool present(const vta::EffectComponent& c, float u) { return u >= c.spanStart && u <= c.spanEnd; }

// Trail copies of o at earlier scene times, oldest first; each re-applies
// the envelopes at its own time.
bool trailsOf(const MeshInputs& in, const vta::ObjectComponent& o, MeshStore& out) {
  int count = std::clamp(static_cast<int>(in.options.forSurface(o.surfaceNumber, VTA_TRAIL_COUNT)),
                         0, kMaxTrails);
  float spacing = in.options.forSurface(o.surfaceNumber, VTA_TRAIL_SPACING) / 100;
  bool complete = true;
  for (int i = count; i >= 1 && spacing > 0; --i) {
    float t = in.u - i * spacing;
    if (t < 0 || !present(o, t)) continue;
    FrameOptions options = in.options;
    in.scene.apply(t, options);
    complete &= meshOf(in, o, options, t, 1.0f - float(i) / (count + 1), out);
  }
  if (count > 0) {
    FrameOptions restored = in.options;
    in.scene.apply(in.u, restored);
  }
  return complete;
}

}  // namespace

bool buildMeshes(const MeshInputs& in, MeshStore& out) {
  out.recycle();
  bool complete = true;
  for (auto* c = in.effect.lists[vta::kObjects].head; c; c = c->next) {
    const auto& object = *static_cast<const vta::ObjectComponent*>(c);
    complete &= trailsOf(in, object, out);
    if (present(object, in.u)) complete &= meshOf(in, object, in.options, in.u, 1.0f, out);
  }
  return complete;
}

}  // namespace rnd
