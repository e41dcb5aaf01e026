#pragma once
// Four neighbouring samples of one canvas row at once (SSE2, which every
// x86-64 processor has and the i686 build is compiled for). Each lane does
// the operations of the one-sample code in the same order, so both give
// the same bits.
#if defined(__SSE2__)
#include <emmintrin.h>

#include "edge_line.h"
#include "vec3.h"

namespace rnd {

constexpr int kLanes = 4;

// The centres of samples px to px + 3 of a row.
inline __m128 laneCentres(int px) {
  return _mm_add_ps(_mm_cvtepi32_ps(_mm_setr_epi32(px, px + 1, px + 2, px + 3)), _mm_set1_ps(0.5f));
}

// Bit k set where sample k lies inside the face (RowEdges::inside).
inline int insideLanes(const RowEdges& row, __m128 x) {
  const __m128 zero = _mm_setzero_ps();
  __m128 inside = _mm_castsi128_ps(_mm_set1_epi32(-1));
  for (int i = 0; i < 3; ++i) {
    const EdgeLine& e = row.edges[i];
    const __m128 w = _mm_add_ps(_mm_add_ps(_mm_mul_ps(_mm_set1_ps(e.a), x), _mm_set1_ps(row.by[i])),
                                _mm_set1_ps(e.c));
    __m128 in = _mm_cmpgt_ps(w, zero);
    if (e.ownsBoundary) in = _mm_or_ps(in, _mm_cmpeq_ps(w, zero));
    inside = _mm_and_ps(inside, in);
  }
  return _mm_movemask_ps(inside);
}

// start + perX * (x - originX) in each lane.
inline __m128 laneLine(float start, float perX, __m128 x, float originX) {
  return _mm_add_ps(_mm_set1_ps(start),
                    _mm_mul_ps(_mm_set1_ps(perX), _mm_sub_ps(x, _mm_set1_ps(originX))));
}

// dot(row, v) of four vectors v (their coordinates in lanes), in dot()'s
// order.
inline __m128 dotLanes(const Vec3& row, __m128 x, __m128 y, __m128 z) {
  const __m128 xy =
      _mm_add_ps(_mm_mul_ps(_mm_set1_ps(row.x), x), _mm_mul_ps(_mm_set1_ps(row.y), y));
  return _mm_add_ps(xy, _mm_mul_ps(_mm_set1_ps(row.z), z));
}

}  // namespace rnd
#endif
