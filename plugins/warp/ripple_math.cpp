#include "ripple_math.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ripple {

namespace {

constexpr float kTwoPi = 6.28318530718f;
constexpr float kPi = 3.14159265359f;
constexpr int kChunk = 64;  // pixels whose source points are found together

// sin(x), within 1e-6 of the library's for |x| below a thousand, without a
// branch or a call, so that the compiler can work on a row of them at once:
// x is brought into [-pi, pi] by whole turns, then into [-pi/2, pi/2] by
// sin(pi - y) = sin(y), where a Taylor polynomial to the 11th power is
// within 6e-8.
float sine(float x) {
  constexpr float kRound = 12582912.0f;  // 1.5 * 2^23: adding it rounds to whole numbers
  const float turns = (x * (1 / kTwoPi) + kRound) - kRound;
  float y = (x - turns * 6.28125f) - turns * 1.9353071795864769e-3f;  // 2 pi in two parts
  const float above = kPi - y, below = -kPi - y;
  y = y > kPi / 2 ? above : y;
  y = y < -kPi / 2 ? below : y;
  const float y2 = y * y;
  const float p = -1 / 39916800.0f;
  const float p9 = 1 / 362880.0f + y2 * p, p7 = -1 / 5040.0f + y2 * p9;
  const float p5 = 1 / 120.0f + y2 * p7, p3 = -1 / 6.0f + y2 * p5;
  return y + y * y2 * p3;
}

// How far along its offset from the centre a point at distance r moves,
// as a share of that offset.
float shareOfOffset(const Settings& s, float r) {
  const float shift = s.amount * kMaxShift * sine(kTwoPi * s.waves * r);
  const float share = shift / std::max(r, 1e-6f);
  return r < 1e-6f ? 0.0f : share;
}

const uint8_t* pixelAt(const VtaWarpImage& image, int x, int y) {
  x = x < 0 ? 0 : (x >= int(image.width) ? int(image.width) - 1 : x);
  y = y < 0 ? 0 : (y >= int(image.height) ? int(image.height) - 1 : y);
  return image.top + ptrdiff_t(y) * image.rowStep + 3 * x;
}

// floor(f) for the coordinates of a picture (far inside the int range),
// without a library call per pixel.
int floorToInt(float f) {
  int i = static_cast<int>(f);
  return f < i ? i - 1 : i;
}

void sample(const VtaWarpImage& image, float fx, float fy, uint8_t* out) {
  fx = fx * image.width - 0.5f, fy = fy * image.height - 0.5f;
  if (!(fx > -1e6f && fx < 1e6f && fy > -1e6f && fy < 1e6f)) fx = fy = 0;
  int ix = floorToInt(fx), iy = floorToInt(fy);
  float ax = fx - ix, ay = fy - iy;
  const uint8_t *a, *b, *c, *d;
  if (ix >= 0 && iy >= 0 && ix + 1 < int(image.width) && iy + 1 < int(image.height)) {
    a = image.top + ptrdiff_t(iy) * image.rowStep + 3 * ix, b = a + 3;
    c = a + image.rowStep, d = c + 3;
  } else {
    a = pixelAt(image, ix, iy), b = pixelAt(image, ix + 1, iy);
    c = pixelAt(image, ix, iy + 1), d = pixelAt(image, ix + 1, iy + 1);
  }
  // All reads before the writes: out may share memory with the source as
  // far as the compiler knows, and would otherwise reload every byte.
  uint8_t blended[3];
  for (int k = 0; k < 3; ++k) {
    float top = a[k] + (b[k] - a[k]) * ax, bottom = c[k] + (d[k] - c[k]) * ax;
    blended[k] = static_cast<uint8_t>(top + (bottom - top) * ay + 0.5f);
  }
  out[0] = blended[0], out[1] = blended[1], out[2] = blended[2];
}

#if defined(__SSE2__)
// sample() for four points at once where all four lie inside the picture
// with their right and lower neighbours: the same operations per point in
// the same order, each channel of the four in one register. False, with
// nothing written, where one does not.
bool sampleFour(const VtaWarpImage& image, const float* us, const float* vs, uint8_t* out) {
  const __m128 fx = _mm_sub_ps(_mm_mul_ps(_mm_loadu_ps(us), _mm_set1_ps(float(image.width))),
                               _mm_set1_ps(0.5f));
  const __m128 fy = _mm_sub_ps(_mm_mul_ps(_mm_loadu_ps(vs), _mm_set1_ps(float(image.height))),
                               _mm_set1_ps(0.5f));
  // Below the last column and row, and not below 0 (NaN fails too).
  const __m128 zero = _mm_setzero_ps();
  const __m128 inside =
      _mm_and_ps(_mm_and_ps(_mm_cmpge_ps(fx, zero), _mm_cmplt_ps(fx, _mm_set1_ps(image.width - 1.0f))),
                 _mm_and_ps(_mm_cmpge_ps(fy, zero), _mm_cmplt_ps(fy, _mm_set1_ps(image.height - 1.0f))));
  if (_mm_movemask_ps(inside) != 0xF) return false;
  const __m128i ix = _mm_cvttps_epi32(fx), iy = _mm_cvttps_epi32(fy);  // floors: both >= 0
  const __m128 ax = _mm_sub_ps(fx, _mm_cvtepi32_ps(ix)), ay = _mm_sub_ps(fy, _mm_cvtepi32_ps(iy));
  alignas(16) int xs[4], ys[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(xs), ix);
  _mm_store_si128(reinterpret_cast<__m128i*>(ys), iy);
  const uint8_t* a[4];
  for (int l = 0; l < 4; ++l) a[l] = image.top + ptrdiff_t(ys[l]) * image.rowStep + 3 * xs[l];
  const ptrdiff_t below = image.rowStep;
  alignas(16) int bytes[3][4];
  for (int k = 0; k < 3; ++k) {
    const auto at = [&](ptrdiff_t offset) {
      return _mm_setr_epi32(a[0][offset + k], a[1][offset + k], a[2][offset + k], a[3][offset + k]);
    };
    const __m128i pa = at(0), pb = at(3), pc = at(below), pd = at(below + 3);
    const __m128 top = _mm_add_ps(_mm_cvtepi32_ps(pa),
                                  _mm_mul_ps(_mm_cvtepi32_ps(_mm_sub_epi32(pb, pa)), ax));
    const __m128 bottom = _mm_add_ps(_mm_cvtepi32_ps(pc),
                                     _mm_mul_ps(_mm_cvtepi32_ps(_mm_sub_epi32(pd, pc)), ax));
    const __m128 blended =
        _mm_add_ps(_mm_add_ps(top, _mm_mul_ps(_mm_sub_ps(bottom, top), ay)), _mm_set1_ps(0.5f));
    _mm_store_si128(reinterpret_cast<__m128i*>(bytes[k]), _mm_cvttps_epi32(blended));
  }
  for (int l = 0; l < 4; ++l)
    for (int k = 0; k < 3; ++k) out[3 * l + k] = static_cast<uint8_t>(bytes[k][l]);
  return true;
}
#endif

// Row y of target: the source points of a chunk of pixels first (a loop the
// compiler vectorises), then their samples, four at once where they can be.
void warpRow(const Settings& s, const VtaWarpImage& source, VtaWarpImage& target, uint32_t y) {
  uint8_t* row = target.top + ptrdiff_t(y) * target.rowStep;
  const float v = (y + 0.5f) / target.height, dy = v - s.centreY, width = float(target.width);
  float us[kChunk], vs[kChunk];
  for (int first = 0; first < int(target.width); first += kChunk) {
    const int count = std::min(kChunk, int(target.width) - first);
    for (int i = 0; i < count; ++i) {
      const float u = (float(first + i) + 0.5f) / width, dx = u - s.centreX;
      const float share = shareOfOffset(s, std::sqrt(dx * dx + dy * dy));
      us[i] = u + dx * share, vs[i] = v + dy * share;
    }
    int i = 0;
#if defined(__SSE2__)
    for (; i + 4 <= count; i += 4)
      if (!sampleFour(source, us + i, vs + i, row + 3 * (first + i)))
        for (int j = i; j < i + 4; ++j) sample(source, us[j], vs[j], row + 3 * (first + j));
#endif
    for (; i < count; ++i) sample(source, us[i], vs[i], row + 3 * (first + i));
  }
}

}  // namespace

Settings settingsFrom(float amount, unsigned count, const float* values) {
  Settings s{amount, 6.0f, 0.5f, 0.5f};
  if (!values) count = 0;
  if (count > 0) s.waves = values[0];
  if (count > 1) s.centreX = values[1];
  if (count > 2) s.centreY = values[2];
  if (!(s.amount > 0)) s.amount = 0;
  if (s.amount > 1) s.amount = 1;
  return s;
}

void mapPoint(const Settings& s, float& x, float& y) {
  const float dx = x - s.centreX, dy = y - s.centreY;
  const float share = shareOfOffset(s, std::sqrt(dx * dx + dy * dy));
  x += dx * share;
  y += dy * share;
}

void warpPicture(const Settings& s, const VtaWarpImage& source, VtaWarpImage& target) {
  for (uint32_t y = 0; y < target.height; ++y) warpRow(s, source, target, y);
}

}  // namespace ripple
