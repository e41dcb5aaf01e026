// The job one renderer context draws its frames with: the frame's size,
// the sources it draws between and the output picture the job points into.
// The final render's workers and the frei0r transition plug-in both draw
// through it.
#pragma once

#include <cstdint>
#include <vector>

#include "job_image.h"
#include "vantaro/renderer.h"

namespace vta::render {

struct FrameJob {
  VtaRenderJob job{};
  JobImage output;

  // A job of frames frames (range frames - 1, at least 1) whose sources
  // are sources[k] as video source k + 1 (at most 20): they must outlive
  // the job, and their pixels may change between frames as long as their
  // sizes do not. abort may be null.
  FrameJob(uint32_t width, uint32_t height, uint32_t frames, std::vector<JobImage>& sources,
           VtaAbortFunction abort);
  FrameJob(const FrameJob&) = delete;
  FrameJob& operator=(const FrameJob&) = delete;
};

}  // namespace vta::render
