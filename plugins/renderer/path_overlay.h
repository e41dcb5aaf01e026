#pragma once
// The path drawn over a view's finished picture, on top of the scene: a
// line through the trace, a square mark on every key and a larger one, in
// another colour, on the key at the job's time. Nothing is drawn outside
// the picture.

#include "camera_view.h"
#include "frame_renderer.h"
#include "path_trace.h"

namespace rnd {

const Vec3 kPathLineColour{1.0f, 0.85f, 0.2f};
const Vec3 kKeyColour{1.0f, 0.25f, 0.25f};
const Vec3 kCurrentKeyColour{0.25f, 1.0f, 1.0f};
constexpr int kKeyMarkRadius = 2;  // marks are 2 r + 1 pixels wide
constexpr int kCurrentKeyMarkRadius = 4;

// Pixel position (x right, y down, pixel centres at .5) of a world point
// seen by camera in a picture of width x height; false when it lies behind
// the camera's near plane.
bool projectToPixel(const CameraView& camera, Vec3 world, int width, int height, float& x,
                    float& y);

void drawPathOverlay(FrameImage& image, const CameraView& camera, const PathTrace& trace);

}  // namespace rnd
