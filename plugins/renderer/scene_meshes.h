#pragma once
// The meshes of one frame: every object present at the scene time, placed,
// morphed and given its looks, plus the trail copies its entry asks for.

#include <vector>

#include "camera_view.h"
#include "filter_mode.h"
#include "mesh_store.h"
#include "scene_components.h"
#include "surface_looks.h"

namespace rnd {

struct MeshInputs {
  vta::EffectDescription& effect;
  const SceneComponents& scene;
  const FrameOptions& options;  // as the envelopes set them at u
  const CameraView& camera;
  const LookInputs& looks;
  const SceneTurn& turn;  // filter mode's turn, after placement
  float aspect;
  float u;
};

// Makes the meshes of out, on its spares' storage. Returns false when a picture the scene shows is
// missing (the frame is then not drawn). Leaves the envelopes applied at u.
bool buildMeshes(const MeshInputs& in, MeshStore& out);

}  // namespace rnd
