#include "camera_view.h"

#include <cmath>

#include "block_reals.h"
#include "model/components/camera.h"
#include "placement.h"

namespace rnd {

namespace {

float orDefault(float value, float fallback) { return value > 0 ? value : fallback; }

}  // namespace

CameraView cameraView(const vta::EffectDescription& effect) {
  CameraView view;
  auto* camera = static_cast<const vta::CameraComponent*>(effect.lists[vta::kCameras].head);
  if (!camera) return view;
  Placement placement = placementOf(motionKey(camera->motion));
  view.position = placement.position;
  view.rotation = placement.rotation;
  float fov = orDefault(blockReal(camera->block12, 0), 45.0f);
  view.tanHalfFov = std::tan(radians(fov < 170.0f ? fov : 170.0f) / 2);
  view.near = orDefault(blockReal(camera->block12, 1), 0.05f);
  view.far = orDefault(blockReal(camera->block12, 2), 100.0f);
  view.background = {blockReal(camera->block16, 0), blockReal(camera->block16, 1),
                     blockReal(camera->block16, 2)};
  view.ambient = blockReal(camera->block16, 3);
  return view;
}

}  // namespace rnd
