#pragma once
// One picture of the scene at one transition time, drawn into a canvas.

#include "abort_poll.h"
#include "canvas.h"
#include "model/effect_settings.h"
#include "vantaro/renderer.h"
#include "warp_binding.h"

namespace rnd {

struct PassResult {
  bool drawn = false;      // false: aborted, or a picture the scene needs is missing
  WarpBinding frameWarp;   // the warp of the finished frame, when active
};

// Draws the effect's scene at transition time t (0 to 1) with the record's
// options and the job's sources. The canvas size sets the picture size.
PassResult drawScene(Canvas& canvas, vta::EffectDescription& effect,
                     const vta::EffectSettings& record, const VtaRenderJob& job, double t,
                     AbortPoll& abort);

}  // namespace rnd
