#pragma once
// A whole frame of a job: antialiasing (2 x 2 samples per pixel) and motion
// blur (several scene times averaged) around the scene passes.

#include <vector>

#include "scene_pass.h"

namespace rnd {

struct FrameImage {
  int width = 0, height = 0;
  std::vector<Vec3> colour;         // rows from the top
  WarpBinding frameWarp;            // to apply when the frame is written
  std::vector<uint8_t> warpSource;  // the frame's bytes handed to frameWarp
};

// Working memory kept between frames.
struct FrameBuffers {
  Canvas canvas;
  SceneMemory scene;
  FrameImage image;
  std::vector<double> times;  // of the motion blur samples
};

// Adds the canvas, shrunk by factor in both directions, times weight, to
// the image (of the canvas's size divided by factor).
void accumulate(const Canvas& canvas, int factor, float weight, FrameImage& image);

// Renders the job's frame (job.width x job.height) into buffers.image.
// False when it was aborted or the scene could not be drawn.
bool renderFrame(FrameBuffers& buffers, vta::EffectDescription& effect,
                 const vta::EffectSettings& record, const VtaRenderJob& job, AbortPoll& abort);

}  // namespace rnd
