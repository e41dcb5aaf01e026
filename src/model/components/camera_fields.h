#pragma once
// What a camera's stored fields mean in the scene (docs/scene.md, "Camera"):
// the named field table and the typed setup read and written through it.

#include "curves/path_key.h"
#include "model/components/camera.h"
#include "model/components/scene_field.h"

namespace vta {

struct CameraSetup {
  PathKey placement;  // position and rotation; at rotation 0 it looks toward -z, +y up
  float fieldOfView;  // vertical, in degrees
  float nearClip, farClip;
  ColourRgb background;  // behind the scene of effect type 1
  float ambient;         // light level added to every lit surface, 0 to 1

  // The values in use: a stored 0 (or less) stands for the default.
  float fieldOfViewInUse() const { return fieldOfView > 0 ? fieldOfView : 45.0f; }
  float nearClipInUse() const { return nearClip > 0 ? nearClip : 0.05f; }
  float farClipInUse() const { return farClip > 0 ? farClip : 100.0f; }
};

CameraSetup cameraSetup(const CameraFields& fields);
void storeCameraSetup(CameraFields& fields, const CameraSetup& setup);

// fieldOfView, near, far, background, ambient and placement by name.
FieldTable cameraFieldTable();

}  // namespace vta
