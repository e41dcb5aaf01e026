#pragma once
// Draws one object mesh into the canvas: facing, lighting per vertex
// (smooth) or per face (flat) or edges only (wire), near clipping,
// projection and rasterising.

#include "abort_poll.h"
#include "camera_view.h"
#include "canvas.h"
#include "light_rig.h"
#include "object_mesh.h"
#include "shadow_map.h"

namespace rnd {

enum RenderStyle { kSmooth = 0, kFlat = 1, kWire = 2 };

struct DrawSettings {
  const CameraView& camera;
  const LightRig& lights;
  bool lighting;
  RenderStyle style;
  float aspect;
  const Shadows& shadows;
};

void drawObject(Canvas& canvas, const ObjectMesh& mesh, const DrawSettings& settings,
                bool writeDepth, AbortPoll& abort);

}  // namespace rnd
