#pragma once
// The cameras of the path editor's views. The camera view is the effect's
// own camera; the perspective, top and side views stand back from the
// middle of what they must show (the frame at z = 0 and the path) far
// enough to see all of it:
// - top: from above, looking down the y axis; x to the right, +z down
// - side: from +x, looking along -x; -z to the right, +y up
// - perspective: from above, in front and to the right, looking at the middle

#include <cstdint>
#include <vector>

#include "camera_view.h"
#include "vantaro/renderer.h"

namespace rnd {

// The view bits of a path-editor job's viewFlags (vantaro/renderer.h).
enum PathViewKind : uint32_t {
  kCameraView = VTA_VIEW_CAMERA,
  kSideView = VTA_VIEW_SIDE,
  kTopView = VTA_VIEW_TOP,
  kPerspectiveView = VTA_VIEW_PERSPECTIVE
};

// The kind the flags name: the first of camera, side, top, perspective that
// is set; the camera view when none is.
PathViewKind viewKind(uint32_t viewFlags);

// A camera at eye looking at target, with upHint pointing up on screen
// (it must not lie along the view).
CameraView lookAt(Vec3 eye, Vec3 target, Vec3 upHint, float fieldOfView);

// The camera of a perspective, top or side view that shows every point
// (world positions) in a picture of the aspect (width / height).
CameraView framingCamera(PathViewKind kind, const std::vector<Vec3>& points, float aspect);

}  // namespace rnd
