#pragma once
// Picture::bilinear for four samples at once (SSE2): the same operations
// per sample in the same order, each channel of the four in one register,
// so the colours are the bits of four single lookups.
#if defined(__SSE2__)
#include <emmintrin.h>

#include "picture.h"

namespace rnd {

struct ColourLanes {
  __m128 r, g, b;
};

namespace lanes {

// i < 0 ? 0 : (i >= size ? size - 1 : i), per lane (Picture::clampIndex).
inline __m128i clampIndex(__m128i i, int size) {
  const __m128i last = _mm_set1_epi32(size - 1);
  i = _mm_andnot_si128(_mm_cmplt_epi32(i, _mm_setzero_si128()), i);
  const __m128i beyond = _mm_cmpgt_epi32(i, last);
  return _mm_or_si128(_mm_and_si128(beyond, last), _mm_andnot_si128(beyond, i));
}

// Picture::floorToInt per lane: truncation, one less where that rounded up.
inline __m128i floorToInt(__m128 f) {
  const __m128i i = _mm_cvttps_epi32(f);
  return _mm_add_epi32(i, _mm_castps_si128(_mm_cmplt_ps(f, _mm_cvtepi32_ps(i))));
}

inline __m128 mix(__m128 p, __m128 q, __m128 t) {
  return _mm_add_ps(_mm_mul_ps(p, _mm_sub_ps(_mm_set1_ps(1), t)), _mm_mul_ps(q, t));
}

inline __m128 channel(const uint8_t* const* p, int c) {
  return _mm_cvtepi32_ps(_mm_setr_epi32(p[0][c], p[1][c], p[2][c], p[3][c]));
}

}  // namespace lanes

// False, leaving out unset, where a lane's coordinates lie beyond the range
// that Picture::bilinear samples (it then takes one pixel instead).
inline bool bilinearLanes(const Picture& picture, __m128 u, __m128 v, ColourLanes& out) {
  const __m128 half = _mm_set1_ps(0.5f);
  const __m128 fx = _mm_sub_ps(_mm_mul_ps(u, _mm_set1_ps(float(picture.width()))), half);
  const __m128 fy = _mm_sub_ps(_mm_mul_ps(v, _mm_set1_ps(float(picture.height()))), half);
  const __m128 low = _mm_set1_ps(-1e6f), high = _mm_set1_ps(1e6f);
  const __m128 inRange = _mm_and_ps(_mm_and_ps(_mm_cmpgt_ps(fx, low), _mm_cmplt_ps(fx, high)),
                                    _mm_and_ps(_mm_cmpgt_ps(fy, low), _mm_cmplt_ps(fy, high)));
  if (_mm_movemask_ps(inRange) != 0xF) return false;
  const __m128i x0 = lanes::floorToInt(fx), y0 = lanes::floorToInt(fy);
  const __m128 ax = _mm_sub_ps(fx, _mm_cvtepi32_ps(x0)), ay = _mm_sub_ps(fy, _mm_cvtepi32_ps(y0));
  const __m128i one = _mm_set1_epi32(1);
  alignas(16) int xa[4], xb[4], ya[4], yb[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(xa), lanes::clampIndex(x0, picture.width()));
  _mm_store_si128(reinterpret_cast<__m128i*>(xb),
                  lanes::clampIndex(_mm_add_epi32(x0, one), picture.width()));
  _mm_store_si128(reinterpret_cast<__m128i*>(ya), lanes::clampIndex(y0, picture.height()));
  _mm_store_si128(reinterpret_cast<__m128i*>(yb),
                  lanes::clampIndex(_mm_add_epi32(y0, one), picture.height()));
  const uint8_t *a[4], *b[4], *c[4], *d[4];
  for (int l = 0; l < 4; ++l) {
    a[l] = picture.bytesAt(xa[l], ya[l]), b[l] = picture.bytesAt(xb[l], ya[l]);
    c[l] = picture.bytesAt(xa[l], yb[l]), d[l] = picture.bytesAt(xb[l], yb[l]);
  }
  const __m128 scale = _mm_set1_ps(1.0f / 255.0f);
  __m128 bgr[3];
  for (int k = 0; k < 3; ++k) {
    const __m128 upper = lanes::mix(lanes::channel(a, k), lanes::channel(b, k), ax);
    const __m128 lower = lanes::mix(lanes::channel(c, k), lanes::channel(d, k), ax);
    bgr[k] = _mm_mul_ps(lanes::mix(upper, lower, ay), scale);
  }
  out = {bgr[2], bgr[1], bgr[0]};
  return true;
}

}  // namespace rnd
#endif
