#include "path_view.h"

#include <cmath>

#include "output_image.h"
#include "path_overlay.h"
#include "vantaro/vantaro.h"

namespace rnd {

namespace {

// What a framing camera must show: the frame at z = 0 and the path.
std::vector<Vec3> framedPoints(const PathTrace& trace, float aspect) {
  std::vector<Vec3> points = trace.line;
  for (float x : {-aspect, aspect})
    for (float y : {-1.0f, 1.0f}) points.push_back({x, y, 0});
  return points;
}

CameraView viewCamera(uint32_t flags, const CameraView& effectCamera, const PathTrace& trace,
                      float aspect, ViewFraming& framing) {
  PathViewKind kind = viewKind(flags);
  if (kind == kCameraView) return effectCamera;
  CameraView camera =
      framing.camera(kind, (flags & kViewFrame) != 0, framedPoints(trace, aspect), aspect);
  camera.ambient = effectCamera.ambient;
  return camera;
}

bool drawViewScene(PathViewBuffers& buffers, vta::EffectDescription& effect,
                   const vta::EffectSettings& record, const VtaRenderJob& job, double t,
                   const CameraView& camera, bool own) {
  const bool dragging = (job.viewFlags & kViewDragging) != 0;
  const int factor = !dragging && record.globalParams[VTA_ANTIALIASING] == 1 ? 2 : 1;
  FrameImage& image = buffers.image;
  if (!(job.viewFlags & kViewScene)) {
    image.colour.assign(image.colour.size(), camera.background);
    return true;
  }
  buffers.canvas.reset(image.width, image.height, factor);
  VtaRenderJob sceneJob = job;
  buffers.sources.fill(sceneJob);
  AbortPoll abort(job.abortCallback);
  SceneView view{own ? &camera : nullptr, dragging};
  if (!drawScene(buffers.canvas, buffers.scene, effect, record, sceneJob, t, abort, view).drawn)
    return false;
  accumulate(buffers.canvas, factor, 1.0f, image);
  return true;
}

}  // namespace

int ViewFraming::slot(PathViewKind kind) {
  return kind == kSideView ? 0 : kind == kTopView ? 1 : 2;
}

CameraView ViewFraming::camera(PathViewKind kind, bool frameAnew, const std::vector<Vec3>& points,
                               float aspect) {
  const int i = slot(kind);
  if (frameAnew || !framed_[i]) cameras_[i] = framingCamera(kind, points, aspect);
  framed_[i] = true;
  return cameras_[i];
}

bool renderPathView(PathViewBuffers& buffers, vta::EffectDescription& effect,
                    const vta::EffectSettings& record, const VtaRenderJob& job,
                    CameraView& camera) {
  if (job.width == 0 || job.height == 0 || job.width > kMaxOutputSide ||
      job.height > kMaxOutputSide)
    return false;
  FrameImage& image = buffers.image;
  image.width = static_cast<int>(job.width);
  image.height = static_cast<int>(job.height);
  image.colour.assign(size_t(image.width) * image.height, Vec3{});
  image.frameWarp = WarpBinding{};
  const float aspect = float(image.width) / image.height;
  const double t = job.range ? double(job.position) / job.range : 0.0;
  const CameraView effectCamera = cameraView(effect);
  const SceneTurn turn = filterTurn(record.globalParams, effectCamera.forward(),
                                    std::sqrt(dot(effectCamera.position, effectCamera.position)));
  PathTrace trace = tracePath(effect, record, job.viewObject, aspect, turn, t);
  camera = viewCamera(job.viewFlags, effectCamera, trace, aspect, buffers.framing);
  bool own = viewKind(job.viewFlags) != kCameraView;
  if (!drawViewScene(buffers, effect, record, job, t, camera, own)) return false;
  if (job.viewFlags & kViewPath) drawPathOverlay(image, camera, trace);
  return true;
}

}  // namespace rnd
