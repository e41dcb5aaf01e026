#pragma once
// Read access to a 24-bit picture (texture, video source): format 2, three
// bytes per pixel in blue, green, red order, rows bottom-up (order 1) or
// top-down (order 0). Coordinates u, v run from 0 to 1, v from the top;
// outside they are clamped to the edge.

#include <cstddef>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "vantaro/vantaro.h"
#include "vec3.h"

namespace rnd {

class Picture {
 public:
  // A byte's level as a colour value.
  static constexpr float kByteScale = 1.0f / 255.0f;

  Picture() = default;
  // An empty picture when the image has no pixels or its layout does not fit
  // in its buffer.
  static Picture of(const VtaTextureImage& image);

  bool empty() const { return top_ == nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Colour (0 to 1 per channel) of pixel x, y counted from the top left;
  // both must be inside the picture.
  Vec3 pixel(int x, int y) const { return bytes(x, y) * kByteScale; }
  // The blue, green and red bytes of pixel x, y (both inside the picture).
  const uint8_t* bytesAt(int x, int y) const { return top_ + y * step_ + 3 * x; }
  // Bytes from one row to the one below (negative for bottom-up rows).
  ptrdiff_t rowStep() const { return step_; }
  // Sampled in the header so that the rasteriser's inner loops inline them.
  Vec3 nearest(float u, float v) const {
    return pixel(pixelIndex(u * width_, width_), pixelIndex(v * height_, height_));
  }
  Vec3 bilinear(float u, float v) const {
    float fx = u * width_ - 0.5f, fy = v * height_ - 0.5f;
    if (!(fx > -1e6f && fx < 1e6f && fy > -1e6f && fy < 1e6f)) return nearest(0, 0);
    int x0 = floorToInt(fx), y0 = floorToInt(fy);
    float ax = fx - x0, ay = fy - y0;
    int xa = clampIndex(x0, width_), xb = clampIndex(x0 + 1, width_);
    int ya = clampIndex(y0, height_), yb = clampIndex(y0 + 1, height_);
    const uint8_t *rowA = top_ + ya * step_, *rowB = top_ + yb * step_;
    return blend(rowA + 3 * xa, rowA + 3 * xb, rowB + 3 * xa, rowB + 3 * xb, ax, ay);
  }

 private:

  // Channels 0 to 255, in red, green, blue order.
  Vec3 bytes(int x, int y) const {
    const uint8_t* p = top_ + y * step_ + 3 * x;
    return Vec3{float(p[2]), float(p[1]), float(p[0])};
  }
#if defined(__SSE2__)
  // The three channels of the pixel at p (blue, green, red, 0), at once.
  static __m128 lanes(const uint8_t* p) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i bytes = _mm_cvtsi32_si128(p[0] | p[1] << 8 | p[2] << 16);
    return _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(bytes, zero), zero));
  }
  static __m128 mix(__m128 p, __m128 q, __m128 t) {
    return _mm_add_ps(_mm_mul_ps(p, _mm_sub_ps(_mm_set1_ps(1), t)), _mm_mul_ps(q, t));
  }
#endif
  // Pixels a, b above c, d mixed by ax across and ay down, as colour.
  static Vec3 blend(const uint8_t* a, const uint8_t* b, const uint8_t* c, const uint8_t* d,
                    float ax, float ay) {
#if defined(__SSE2__)
    const __m128 across = _mm_set1_ps(ax);
    const __m128 mixed =
        mix(mix(lanes(a), lanes(b), across), mix(lanes(c), lanes(d), across), _mm_set1_ps(ay));
    float bgr[4];
    _mm_storeu_ps(bgr, _mm_mul_ps(mixed, _mm_set1_ps(kByteScale)));
    return Vec3{bgr[2], bgr[1], bgr[0]};
#else
    auto colour = [](const uint8_t* p) { return Vec3{float(p[2]), float(p[1]), float(p[0])}; };
    const Vec3 upper = colour(a) * (1 - ax) + colour(b) * ax;
    const Vec3 lower = colour(c) * (1 - ax) + colour(d) * ax;
    return (upper * (1 - ay) + lower * ay) * kByteScale;
#endif
  }
  static int floorToInt(float f) {
    int i = static_cast<int>(f);
    return f < i ? i - 1 : i;
  }
  static int clampIndex(int i, int size) { return i < 0 ? 0 : (i >= size ? size - 1 : i); }
  // Index of the pixel under coordinate f (0 to size), clamped; NaN gives 0.
  static int pixelIndex(float f, int size) {
    if (!(f >= 0)) return 0;
    return f >= size ? size - 1 : static_cast<int>(f);
  }

  const uint8_t* top_ = nullptr;  // first byte of the top row
  ptrdiff_t step_ = 0;            // bytes from one row to the one below
  int width_ = 0, height_ = 0;
};

}  // namespace rnd
