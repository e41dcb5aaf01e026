#pragma once
// The scene time of a frame: transition period and fly direction applied to
// the transition time t = position / range (docs/scene.md, "Time"); in
// filter mode t itself.

namespace rnd {

enum GlobalOption : int {
  kFlyMode = 0,
  kRenderStyle = 1,
  kQuality = 2,
  kImageQuality = 3,
  kAntialiasing = 4,
  kLighting = 5,
  kShadows = 6,
  kBlurPercent = 7,
  kBlurCount = 8,
  kFilterOn = 10,
  kLightDirection = 11,
  kFilterSource = 14,
  kTransitionPeriod = 15,
  kFilterRotateX = 18,
  kFilterRotateY = 19,
  kFilterRotateZ = 20,
  kFilterDistance = 21,
};

enum ObjectOption : int {
  kShine = 0,
  kTransparency = 1,
  kLuminosity = 2,
  kTrailCount = 3,
  kPathRotation = 5,
  kRotatesWithPath = 6,
  kTrailSpacing = 7,
};

struct FrameTime {
  float u = 0;            // scene time, 0 to 1
  bool exchange = false;  // Fly-On: video sources 1 and 2 trade places
};

// t outside 0..1 is clamped; globals are the record's 30 global options.
FrameTime frameTime(const float* globals, double t);

}  // namespace rnd
