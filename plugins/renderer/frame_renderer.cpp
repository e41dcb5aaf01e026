#include "frame_renderer.h"

#include <algorithm>

#include "frame_time.h"
#include "vantaro/vantaro.h"

namespace rnd {

namespace {

constexpr int kMaxBlurCount = 16;

}  // namespace

void accumulate(const Canvas& canvas, int factor, float weight, FrameImage& image) {
  float share = weight / float(factor * factor);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      Vec3 sum;
      for (int sy = 0; sy < factor; ++sy)
        for (int sx = 0; sx < factor; ++sx)
          sum = sum + canvas.colour[size_t(y * factor + sy) * canvas.width + x * factor + sx];
      Vec3& target = image.colour[size_t(y) * image.width + x];
      target = target + sum * share;
    }
}

namespace {

// Transition times of the blur samples, the frame's own first.
std::vector<double> sampleTimes(const float* globals, const VtaRenderJob& job) {
  double t = job.range ? double(job.position) / job.range : 0.0;
  int count = std::clamp(static_cast<int>(globals[VTA_BLUR_COUNT]), 1, kMaxBlurCount);
  double spread = std::clamp(globals[VTA_BLUR_PERCENT], 0.0f, 100.0f) / 100.0;
  double step = job.range ? 1.0 / job.range : 0.0;
  std::vector<double> times;
  for (int i = 0; i < count; ++i)
    times.push_back(count > 1 ? std::max(0.0, t - spread * step * i / (count - 1)) : t);
  return times;
}

}  // namespace

bool renderFrame(FrameBuffers& buffers, vta::EffectDescription& effect,
                 const vta::EffectSettings& record, const VtaRenderJob& job, AbortPoll& abort) {
  FrameImage& image = buffers.image;
  image.width = static_cast<int>(job.width);
  image.height = static_cast<int>(job.height);
  image.colour.assign(size_t(image.width) * image.height, Vec3{});
  int factor = record.globalParams[VTA_ANTIALIASING] == 1 ? 2 : 1;
  buffers.canvas.reset(image.width, image.height, factor);
  std::vector<double> times = sampleTimes(record.globalParams, job);
  for (size_t i = 0; i < times.size(); ++i) {
    PassResult pass = drawScene(buffers.canvas, effect, record, job, times[i], abort);
    if (!pass.drawn) return false;
    if (i == 0) image.frameWarp = pass.frameWarp;
    accumulate(buffers.canvas, factor, 1.0f / times.size(), image);
  }
  return true;
}

}  // namespace rnd
