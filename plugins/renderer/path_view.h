#pragma once
// The path editor's view (a job with previewMark 0): the scene at the job's
// time through the camera its viewFlags name, and the edited object's path
// over it, drawn into a picture of the job's size.
//
// viewFlags: 1 draw the scene, 2 draw the path, 4 the user is dragging (a
// quicker scene: edges only, no antialiasing), 8 frame the view anew, and
// one view bit (see view_cameras.h): 16 camera, 32 side, 64 top, 128
// perspective.

#include "frame_renderer.h"
#include "view_cameras.h"
#include "view_sources.h"

namespace rnd {

enum PathViewFlags : uint32_t {
  kViewScene = VTA_VIEW_SCENE,
  kViewPath = VTA_VIEW_PATH,
  kViewDragging = VTA_VIEW_DRAGGING,
  kViewFrame = VTA_VIEW_FRAME
};

// The framing cameras of the side, top and perspective views, each kept
// from the job that framed it until a job asks to frame it anew.
class ViewFraming {
 public:
  // The camera of kind (not the camera view) for the trace: the one kept,
  // else a new framing, which is kept.
  CameraView camera(PathViewKind kind, bool frameAnew, const std::vector<Vec3>& points,
                    float aspect);

 private:
  static int slot(PathViewKind kind);
  CameraView cameras_[3];
  bool framed_[3] = {false, false, false};
};

// Working memory of a context's view, apart from its preview frames.
struct PathViewBuffers {
  Canvas canvas;
  SceneMemory scene;
  FrameImage image;
  ViewSources sources;
  ViewFraming framing;
};

// Draws the view into buffers.image (rows from the top, job.width x
// job.height, at most kMaxOutputSide a side) and gives the camera it used.
// False when the job's size cannot be drawn, the job was aborted or the
// scene could not be drawn.
bool renderPathView(PathViewBuffers& buffers, vta::EffectDescription& effect,
                    const vta::EffectSettings& record, const VtaRenderJob& job, CameraView& camera);

}  // namespace rnd
