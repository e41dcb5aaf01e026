#include "camera_view.h"

#include <cmath>

#include "model/components/camera_fields.h"
#include "placement.h"

namespace rnd {

CameraView cameraView(const vta::EffectDescription& effect) {
  CameraView view;
  auto* camera = static_cast<const vta::CameraComponent*>(effect.lists[vta::kCameras].head);
  if (!camera) return view;
  const vta::CameraSetup setup = vta::cameraSetup(*camera);
  Placement placement = placementOf(setup.placement);
  view.position = placement.position;
  view.rotation = placement.rotation;
  float fov = setup.fieldOfViewInUse();
  view.tanHalfFov = std::tan(radians(fov < 170.0f ? fov : 170.0f) / 2);
  view.near = setup.nearClipInUse();
  view.far = setup.farClipInUse();
  view.background = {setup.background.red, setup.background.green, setup.background.blue};
  view.ambient = setup.ambient;
  return view;
}

}  // namespace rnd
