#pragma once
// The scene time of a frame: transition period and fly direction applied to
// the transition time t = position / range (docs/scene.md, "Time"); in
// filter mode t itself.

namespace rnd {

struct FrameTime {
  float u = 0;            // scene time, 0 to 1
  bool exchange = false;  // Fly-On: video sources 1 and 2 trade places
};

// t outside 0..1 is clamped; globals are the record's 30 global options.
FrameTime frameTime(const float* globals, double t);

}  // namespace rnd
