#pragma once
// One picture of the scene at one transition time, drawn into a canvas.

#include "abort_poll.h"
#include "camera_view.h"
#include "canvas.h"
#include "mesh_store.h"
#include "model/effect_settings.h"
#include "shadow_map.h"
#include "vantaro/renderer.h"
#include "warp_binding.h"

namespace rnd {

struct PassResult {
  bool drawn = false;     // false: aborted, or a picture the scene needs is missing
  WarpBinding frameWarp;  // the warp of the finished frame, when active
};

// What a pass works in, kept between frames so that a frame allocates
// nothing once the scene's sizes have been met.
struct SceneMemory {
  MeshStore meshes;
  Shadows shadows;
  std::vector<WarpBinding> warps;                // one per warp component
  std::vector<const WarpBinding*> surfaceWarps;  // by surface id, null where none
  std::vector<Picture> mappedPictures;           // by surface id (mapped_surfaces.h)
};

// How the path editor's views see the scene instead of the effect's camera.
struct SceneView {
  const CameraView* camera = nullptr;  // null: the effect's camera and its background
  bool wire = false;                   // edges only, whatever the record's style
};

// Draws the effect's scene at transition time t (0 to 1) with the record's
// options and the job's sources. The canvas size sets the picture size.
// Through a view's own camera the background is that camera's plain colour,
// with no backdrop shadows; filter mode still turns the scene as the
// effect's camera sees it.
PassResult drawScene(Canvas& canvas, SceneMemory& memory, vta::EffectDescription& effect,
                     const vta::EffectSettings& record, const VtaRenderJob& job, double t,
                     AbortPoll& abort, const SceneView& view = {});

}  // namespace rnd
