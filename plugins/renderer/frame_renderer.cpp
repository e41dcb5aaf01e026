#include "frame_renderer.h"

#include <algorithm>

#include "frame_time.h"
#include "vantaro/vantaro.h"

namespace rnd {

namespace {

constexpr int kMaxBlurCount = 16;

}  // namespace

namespace {

// The canvas shrunk by f in both directions, times weight, written into the
// image or added to it.
template <int f>
void shrink(const Canvas& canvas, float weight, bool add, FrameImage& image) {
  const float share = weight / float(f * f);
  for (int y = 0; y < image.height; ++y) {
    const Vec3* rows[f];
    for (int s = 0; s < f; ++s) rows[s] = &canvas.colour[size_t(y * f + s) * canvas.width];
    Vec3* target = &image.colour[size_t(y) * image.width];
    for (int x = 0; x < image.width; ++x) {
      Vec3 sum;
      for (int s = 0; s < f; ++s)
        for (int sx = 0; sx < f; ++sx) sum = sum + rows[s][x * f + sx];
      target[x] = add ? target[x] + sum * share : sum * share;
    }
  }
}

void shrinkBy(const Canvas& canvas, int factor, float weight, bool add, FrameImage& image) {
  if (factor == Canvas::kMaxFactor)
    shrink<Canvas::kMaxFactor>(canvas, weight, add, image);
  else
    shrink<1>(canvas, weight, add, image);
}

}  // namespace

void accumulate(const Canvas& canvas, int factor, float weight, FrameImage& image) {
  shrinkBy(canvas, factor, weight, true, image);
}

namespace {

// Transition times of the blur samples, the frame's own first.
void sampleTimes(const float* globals, const VtaRenderJob& job, std::vector<double>& times) {
  double t = job.range ? double(job.position) / job.range : 0.0;
  int count = std::clamp(static_cast<int>(globals[VTA_BLUR_COUNT]), 1, kMaxBlurCount);
  double spread = std::clamp(globals[VTA_BLUR_PERCENT], 0.0f, 100.0f) / 100.0;
  double step = job.range ? 1.0 / job.range : 0.0;
  times.clear();
  for (int i = 0; i < count; ++i)
    times.push_back(count > 1 ? std::max(0.0, t - spread * step * i / (count - 1)) : t);
}

}  // namespace

bool renderFrame(FrameBuffers& buffers, vta::EffectDescription& effect,
                 const vta::EffectSettings& record, const VtaRenderJob& job, AbortPoll& abort) {
  FrameImage& image = buffers.image;
  image.width = static_cast<int>(job.width);
  image.height = static_cast<int>(job.height);
  image.colour.resize(size_t(image.width) * image.height);
  int factor = record.globalParams[VTA_ANTIALIASING] == 1 ? 2 : 1;
  buffers.canvas.reset(image.width, image.height, factor);
  std::vector<double>& times = buffers.times;
  sampleTimes(record.globalParams, job, times);
  for (size_t i = 0; i < times.size(); ++i) {
    PassResult pass =
        drawScene(buffers.canvas, buffers.scene, effect, record, job, times[i], abort);
    if (!pass.drawn) return false;
    if (i == 0) image.frameWarp = pass.frameWarp;
    if (factor == 1 && times.size() == 1) {
      // The canvas is the frame: exchanged, not copied. The next pass paints
      // every sample of what the canvas then holds.
      image.colour.swap(buffers.canvas.colour);
    } else {
      // The first pass overwrites what the last frame left.
      shrinkBy(buffers.canvas, factor, 1.0f / times.size(), i > 0, image);
    }
  }
  return true;
}

}  // namespace rnd
