#pragma once
// One picture of the scene at one transition time, drawn into a canvas.

#include "abort_poll.h"
#include "camera_view.h"
#include "canvas.h"
#include "model/effect_settings.h"
#include "vantaro/renderer.h"
#include "warp_binding.h"

namespace rnd {

struct PassResult {
  bool drawn = false;     // false: aborted, or a picture the scene needs is missing
  WarpBinding frameWarp;  // the warp of the finished frame, when active
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
PassResult drawScene(Canvas& canvas, vta::EffectDescription& effect,
                     const vta::EffectSettings& record, const VtaRenderJob& job, double t,
                     AbortPoll& abort, const SceneView& view = {});

}  // namespace rnd
