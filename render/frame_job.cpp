#include "frame_job.h"

namespace vta::render {

FrameJob::FrameJob(uint32_t width, uint32_t height, uint32_t frames,
                   std::vector<JobImage>& sources, VtaAbortFunction abort)
    : output(width, height) {
  job.width = width;
  job.height = height;
  job.sourceCount = VTA_RENDER_SOURCE_COUNT;
  job.previewMark = 1;  // draw into the output, not into a device context
  job.abortCallback = abort;
  job.range = frames > 1 ? frames - 1 : 1;
  for (size_t k = 0; k < sources.size() && k < VTA_RENDER_SOURCE_COUNT; ++k)
    sources[k].describe(job.sources[k]);
  output.describe(job.output);
}

}  // namespace vta::render
