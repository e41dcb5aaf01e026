#pragma once
// The vector operations of the lane code, one struct per width with the
// same names, so that the filler is written once and built for four lanes
// (SSE2, which every x86-64 processor has and the i686 build is compiled
// for) and for eight (AVX2, lane_set_avx2.h, chosen at run time). Each lane
// does the one-sample code's operations in the same order, so every width
// gives the same bits.
//
// The lane headers give everything internal linkage: the eight-lane filler
// compiles them for another instruction set, and a shared copy of an inline
// function could otherwise end up running on a processor without it.
#if defined(__SSE2__)
#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

namespace rnd {
namespace {

struct Lanes4 {
  using F = __m128;
  using I = __m128i;
  static constexpr int n = 4;
  static constexpr int all = (1 << n) - 1;  // mask() where every lane is set

  static F set(float v) { return _mm_set1_ps(v); }
  static F zero() { return _mm_setzero_ps(); }
  static F load(const float* p) { return _mm_loadu_ps(p); }
  static void store(float* p, F a) { _mm_storeu_ps(p, a); }
  static F add(F a, F b) { return _mm_add_ps(a, b); }
  static F sub(F a, F b) { return _mm_sub_ps(a, b); }
  static F mul(F a, F b) { return _mm_mul_ps(a, b); }
  static F div(F a, F b) { return _mm_div_ps(a, b); }
  static F greater(F a, F b) { return _mm_cmpgt_ps(a, b); }
  static F less(F a, F b) { return _mm_cmplt_ps(a, b); }
  static F equal(F a, F b) { return _mm_cmpeq_ps(a, b); }
  static F both(F a, F b) { return _mm_and_ps(a, b); }
  static F either(F a, F b) { return _mm_or_ps(a, b); }
  static F allSet() { return _mm_castsi128_ps(_mm_set1_epi32(-1)); }
  static int mask(F a) { return _mm_movemask_ps(a); }

  static I seti(int v) { return _mm_set1_epi32(v); }
  static I zeroi() { return _mm_setzero_si128(); }
  static I counting(int first) { return _mm_setr_epi32(first, first + 1, first + 2, first + 3); }
  static void storei(int* p, I a) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), a); }
  static I addi(I a, I b) { return _mm_add_epi32(a, b); }
  static I greateri(I a, I b) { return _mm_cmpgt_epi32(a, b); }
  static I bothi(I a, I b) { return _mm_and_si128(a, b); }
  static I eitheri(I a, I b) { return _mm_or_si128(a, b); }
  static I notFirsti(I a, I b) { return _mm_andnot_si128(a, b); }  // ~a & b
  static I truncate(F a) { return _mm_cvttps_epi32(a); }
  static F toFloat(I a) { return _mm_cvtepi32_ps(a); }
  static I bits(F a) { return _mm_castps_si128(a); }
  // The blue, green and red bytes of pixel x, y in each lane, of a picture
  // whose pixel 0, 0 is at top (rows step bytes apart, width pixels wide).
  static void pixels(const uint8_t* top, ptrdiff_t step, int, I x, I y, F (&bgr)[3]) {
    int xs[n], ys[n];
    storei(xs, x), storei(ys, y);
    const uint8_t* p[n];
    for (int l = 0; l < n; ++l) p[l] = top + ys[l] * step + 3 * xs[l];
    for (int c = 0; c < 3; ++c)
      bgr[c] = toFloat(_mm_setr_epi32(p[0][c], p[1][c], p[2][c], p[3][c]));
  }
};

}  // namespace
}  // namespace rnd
#else
namespace rnd {
namespace {
struct NoLanes {};  // the filler without lanes, one sample at a time
}  // namespace
}  // namespace rnd
#endif
