#pragma once
// Lanes4's operations on eight lanes. Include only where AVX2 code may be
// generated (raster_avx2.cpp, under its target pragma); the lanes compare
// with the ordered, quiet predicates that the SSE2 comparisons use.
#include <immintrin.h>

#include <cstddef>
#include <cstdint>

namespace rnd {
namespace {

struct Lanes8 {
  using F = __m256;
  using I = __m256i;
  static constexpr int n = 8;
  static constexpr int all = (1 << n) - 1;

  static F set(float v) { return _mm256_set1_ps(v); }
  static F zero() { return _mm256_setzero_ps(); }
  static F load(const float* p) { return _mm256_loadu_ps(p); }
  static void store(float* p, F a) { _mm256_storeu_ps(p, a); }
  static F add(F a, F b) { return _mm256_add_ps(a, b); }
  static F sub(F a, F b) { return _mm256_sub_ps(a, b); }
  static F mul(F a, F b) { return _mm256_mul_ps(a, b); }
  static F div(F a, F b) { return _mm256_div_ps(a, b); }
  static F greater(F a, F b) { return _mm256_cmp_ps(a, b, _CMP_GT_OQ); }
  static F less(F a, F b) { return _mm256_cmp_ps(a, b, _CMP_LT_OQ); }
  static F equal(F a, F b) { return _mm256_cmp_ps(a, b, _CMP_EQ_OQ); }
  static F both(F a, F b) { return _mm256_and_ps(a, b); }
  static F either(F a, F b) { return _mm256_or_ps(a, b); }
  static F allSet() { return _mm256_castsi256_ps(_mm256_set1_epi32(-1)); }
  static int mask(F a) { return _mm256_movemask_ps(a); }

  static I seti(int v) { return _mm256_set1_epi32(v); }
  static I zeroi() { return _mm256_setzero_si256(); }
  static I counting(int first) {
    return _mm256_add_epi32(_mm256_set1_epi32(first), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
  }
  static void storei(int* p, I a) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), a); }
  static I addi(I a, I b) { return _mm256_add_epi32(a, b); }
  static I greateri(I a, I b) { return _mm256_cmpgt_epi32(a, b); }
  static I bothi(I a, I b) { return _mm256_and_si256(a, b); }
  static I eitheri(I a, I b) { return _mm256_or_si256(a, b); }
  static I notFirsti(I a, I b) { return _mm256_andnot_si256(a, b); }
  static I truncate(F a) { return _mm256_cvttps_epi32(a); }
  static F toFloat(I a) { return _mm256_cvtepi32_ps(a); }
  static I bits(F a) { return _mm256_castps_si256(a); }
  // Each lane's pixel gathered as four bytes: from its first byte, or, for
  // the last pixel of a row, from the byte before it and shifted, so that
  // no read passes the picture's last byte. The picture is at least two
  // pixels wide.
  static void pixels(const uint8_t* top, ptrdiff_t step, int width, I x, I y, F (&bgr)[3]) {
    const I last = _mm256_cmpeq_epi32(x, seti(width - 1));  // -1 where last
    const I offset = addi(addi(_mm256_mullo_epi32(y, seti(int(step))), addi(x, addi(x, x))), last);
    const I words = _mm256_i32gather_epi32(reinterpret_cast<const int*>(top), offset, 1);
    const I pixel = _mm256_srlv_epi32(words, bothi(last, seti(8)));
    for (int c = 0; c < 3; ++c)
      bgr[c] = toFloat(bothi(_mm256_srli_epi32(pixel, 8 * c), seti(0xFF)));
  }
};

}  // namespace
}  // namespace rnd
