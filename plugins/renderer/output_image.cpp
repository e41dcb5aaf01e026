#include "output_image.h"

#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rnd {

namespace {

uint8_t toByte(float value) {
  float scaled = value * 255.0f + 0.5f;
  if (!(scaled > 0)) return 0;
  return scaled >= 255 ? 255 : static_cast<uint8_t>(scaled);
}

#if defined(__SSE2__)
// toByte() of four values: the same scaling, clamping (not-a-number to 0)
// and truncation.
__m128i bytesOf(__m128 value) {
  const __m128 scaled = _mm_add_ps(_mm_mul_ps(value, _mm_set1_ps(255.0f)), _mm_set1_ps(0.5f));
  const __m128 clamped = _mm_min_ps(_mm_max_ps(scaled, _mm_setzero_ps()), _mm_set1_ps(255.0f));
  return _mm_cvttps_epi32(clamped);
}

static_assert(sizeof(Vec3) == 3 * sizeof(float), "colours are packed values");

// Four pixels' colours (twelve values, red first) as blue, green, red bytes.
void storeFour(const Vec3* colours, uint8_t* p) {
  const float* values = &colours->x;
  const __m128i first =
      _mm_packs_epi32(bytesOf(_mm_loadu_ps(values)), bytesOf(_mm_loadu_ps(values + 4)));
  const __m128i last = bytesOf(_mm_loadu_ps(values + 8));
  alignas(16) uint8_t rgb[16];
  _mm_store_si128(reinterpret_cast<__m128i*>(rgb),
                  _mm_packus_epi16(first, _mm_packs_epi32(last, last)));
  for (int i = 0; i < 12; i += 3) p[i] = rgb[i + 2], p[i + 1] = rgb[i + 1], p[i + 2] = rgb[i];
}
#endif

}  // namespace

void storeRows(const FrameImage& image, uint8_t* top, ptrdiff_t rowStep) {
  for (int y = 0; y < image.height; ++y) {
    uint8_t* p = top + y * rowStep;
    const Vec3* row = &image.colour[size_t(y) * image.width];
    int x = 0;
#if defined(__SSE2__)
    for (; x + 4 <= image.width; x += 4, p += 12) storeFour(row + x, p);
#endif
    for (; x < image.width; ++x, p += 3) {
      p[0] = toByte(row[x].z), p[1] = toByte(row[x].y), p[2] = toByte(row[x].x);
    }
  }
}

bool outputView(const VtaRenderJob& job, VtaWarpImage& view) {
  const VtaTextureImage& out = job.output;
  if (job.width == 0 || job.height == 0 || job.width > kMaxOutputSide ||
      job.height > kMaxOutputSide)
    return false;
  if (!out.pixels || out.format != VTA_FORMAT_BGR24 || out.bytesPerPixel != VTA_BGR24_PIXEL_BYTES)
    return false;
  if (out.width != job.width || out.height != job.height) return false;
  uint64_t rowNeed = (uint64_t{out.skipPixels} + out.width) * 3;
  uint64_t rows = uint64_t{out.skipRows} + out.height;
  if (rowNeed > out.rowBytes || rows * out.rowBytes > out.dataSize) return false;
  if (out.rowBytes > uint32_t{INT32_MAX}) return false;
  ptrdiff_t step = out.rowBytes;
  uint8_t* first = out.pixels + out.skipRows * step + out.skipPixels * 3;
  bool bottomUp = out.order == VTA_ORDER_BOTTOM_UP;
  view.top = bottomUp ? first + (out.height - 1) * step : first;
  view.rowStep = static_cast<int32_t>(bottomUp ? -step : step);
  view.width = out.width;
  view.height = out.height;
  return true;
}

void writeOutput(FrameImage& image, VtaWarpImage& view) {
  const WarpBinding& warp = image.frameWarp;
  if (warp.active() && warp.warpPicture) {
    std::vector<uint8_t>& finished = image.warpSource;
    finished.resize(size_t(image.width) * image.height * 3);
    int32_t step = image.width * 3;
    storeRows(image, finished.data(), step);
    VtaWarpImage source{finished.data(), step, view.width, view.height};
    if (warp.warpPicture(&warp.state, &source, &view)) return;
  }
  storeRows(image, view.top, view.rowStep);
}

}  // namespace rnd
