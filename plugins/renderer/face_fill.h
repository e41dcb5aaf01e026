#pragma once
// The triangle filler, written once over a lane width L (lane_set.h) and
// built for four lanes in raster.cpp and for eight in raster_avx2.cpp. It
// has internal linkage for the reason lane_set.h gives.

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "abort_poll.h"
#include "canvas.h"
#include "edge_line.h"
#include "lane_set.h"
#include "picture_lanes.h"
#include "raster.h"
#include "row_lanes.h"

namespace rnd {
namespace {

constexpr int kRowsPerPoll = 16;

int clampedFloor(float f, int low, int high) {
  if (!(f > low)) return low;
  return f >= high ? high : static_cast<int>(std::floor(f));
}

void blend(Vec3& target, Vec3 colour, float alpha) {
  target = alpha >= 1 ? colour : target * (1 - alpha) + colour * alpha;
}

// The face's nearness and first N values (times the nearness where the
// mapping is perspective-correct, so that they are linear on screen) as
// planes over the canvas: a value at offset dx, dy in samples from the
// first vertex is at0 + dx * perX + dy * perY. Set up once per triangle, a
// sample then costs one multiply-add per value.
template <int N>
struct FacePlanes {
  float originX, originY;
  float nearAt0, nearPerX, nearPerY;
  float at0[N], perX[N], perY[N];
  bool perspective;

  FacePlanes(const RasterVertex* v, const EdgeLine* edges, float perArea, bool correct)
      : originX(v[0].x), originY(v[0].y), perspective(correct) {
    // Vertex i's weight is edges[i] over the area: a per sample right, b down.
    auto plane = [&](const float* p, float& at, float& perX, float& perY) {
      at = p[0];
      perX = (edges[0].a * p[0] + edges[1].a * p[1] + edges[2].a * p[2]) * perArea;
      perY = (edges[0].b * p[0] + edges[1].b * p[1] + edges[2].b * p[2]) * perArea;
    };
    const float nearness[3] = {v[0].nearness, v[1].nearness, v[2].nearness};
    plane(nearness, nearAt0, nearPerX, nearPerY);
    for (int k = 0; k < N; ++k) {
      float p[3];
      for (int i = 0; i < 3; ++i) p[i] = v[i].value[k] * (correct ? v[i].nearness : 1.0f);
      plane(p, at0[k], perX[k], perY[k]);
    }
  }
  // Nearness where the sample row through y meets the origin's column.
  float nearRow(float y) const { return nearAt0 + nearPerY * (y - originY); }
  float nearness(float x, float nearRowValue) const {
    return nearRowValue + nearPerX * (x - originX);
  }
  // The N values where the sample row through y meets the origin's column
  // (before the division by the nearness).
  void row(float y, float* out) const {
    for (int k = 0; k < N; ++k) out[k] = at0[k] + perY[k] * (y - originY);
  }
  // The N values at x along a row begun by row(), where the nearness is near.
  void along(const float* rowValues, float x, float near, float* out) const {
    const float dx = x - originX, scale = perspective ? 1.0f / near : 1.0f;
    for (int k = 0; k < N; ++k) out[k] = (rowValues[k] + perX[k] * dx) * scale;
  }
#if defined(__SSE2__)
  // along() for L::n samples at once: out[k * L::n + lane].
  template <typename L>
  void alongLanes(const float* rowValues, typename L::F x, typename L::F near, float* out) const {
    const typename L::F dx = L::sub(x, L::set(originX));
    const typename L::F scale = perspective ? L::div(L::set(1.0f), near) : L::set(1.0f);
    for (int k = 0; k < N; ++k) {
      const typename L::F line = L::add(L::set(rowValues[k]), L::mul(L::set(perX[k]), dx));
      L::store(out + k * L::n, L::mul(line, scale));
    }
  }
  // at() for L::n points of the row through y: out[k * L::n + lane].
  template <typename L>
  void atLanes(typename L::F x, float y, typename L::F near, float* out) const {
    const typename L::F dx = L::sub(x, L::set(originX));
    const typename L::F scale = perspective ? L::div(L::set(1.0f), near) : L::set(1.0f);
    const float dy = y - originY;
    for (int k = 0; k < N; ++k) {
      const typename L::F across = L::add(L::set(at0[k]), L::mul(L::set(perX[k]), dx));
      L::store(out + k * L::n, L::mul(L::add(across, L::set(perY[k] * dy)), scale));
    }
  }
#endif
  // The N values at x, y where the nearness is near.
  void at(float x, float y, float near, float* out) const {
    const float dx = x - originX, dy = y - originY, scale = perspective ? 1.0f / near : 1.0f;
    for (int k = 0; k < N; ++k) out[k] = (at0[k] + perX[k] * dx + perY[k] * dy) * scale;
  }
};

Vec3 triple(const float* value, int first) {
  return {value[first], value[first + 1], value[first + 2]};
}

// A texel under the sample's light.
Vec3 lit(Vec3 texel, const float* value) {
  return mul(texel, triple(value, kDiffuse)) + triple(value, kSpecular);
}

// The usual look: its picture sampled bilinearly, tinted and lit; with
// lanes also L::n samples at once.
struct PictureShade {
  static constexpr bool kShadesLanes = true;
  const Picture& picture;
  Vec3 tint;

  Vec3 operator()(const float* value) const {
    return lit(mul(picture.bilinear(value[kU], value[kV]), tint), value);
  }
#if defined(__SSE2__)
  // lanes[k * L::n + l] is value k of sample l. False where a sample's
  // coordinates lie beyond the picture's sampled range.
  template <typename L>
  bool shadeLanes(const float* lanes, ColourLanes<L>& out) const {
    using F = typename L::F;
    ColourLanes<L> texel;
    if (!bilinearLanes<L>(picture, L::load(lanes + kU * L::n), L::load(lanes + kV * L::n), texel))
      return false;
    const auto litLane = [&](F t, float tinted, int c) {
      const F diffuse = L::load(lanes + (kDiffuse + c) * L::n);
      const F specular = L::load(lanes + (kSpecular + c) * L::n);
      return L::add(L::mul(L::mul(t, L::set(tinted)), diffuse), specular);
    };
    out = {litLane(texel.r, tint.x, 0), litLane(texel.g, tint.y, 1), litLane(texel.b, tint.z, 2)};
    return true;
  }
#endif
};

// Whether a shader also shades lanes of samples at once.
template <typename Shader, typename = void>
struct ShadesLanes : std::false_type {};
template <typename Shader>
struct ShadesLanes<Shader, std::void_t<decltype(Shader::kShadesLanes)>> : std::true_type {};

// A look with shadows: the light the shadow maps hold back taken off the
// shadow-casting lights' share. With lanes the shadow lookups of four
// samples go together (eight lanes take two turns), the rest one sample at
// a time.
struct ShadowedShade {
  static constexpr bool kShadesLanes = true;
  const SurfaceLook& look;
  const Shadows& shadows;

  Vec3 operator()(const float* value) const {
    return shaded(value, shadows.loss(triple(value, kWorld)));
  }
  Vec3 shaded(const float* value, float lost) const {
    Vec3 diffuse = triple(value, kDiffuse) - triple(value, kCastDiffuse) * lost;
    Vec3 specular = triple(value, kSpecular) - triple(value, kCastSpecular) * lost;
    return mul(look.texel(value[kU], value[kV]), diffuse) + specular;
  }
#if defined(__SSE2__)
  template <typename L>
  bool shadeLanes(const float* lanes, ColourLanes<L>& out) const {
    float lost[L::n], value[kVaryings], colours[3][L::n];
    const float* world = lanes + kWorld * L::n;
    for (int h = 0; h < L::n; h += kLanes)
      _mm_storeu_ps(lost + h,
                    shadows.lossLanes(_mm_loadu_ps(world + h), _mm_loadu_ps(world + L::n + h),
                                      _mm_loadu_ps(world + 2 * L::n + h)));
    for (int l = 0; l < L::n; ++l) {
      for (int k = 0; k < kVaryings; ++k) value[k] = lanes[k * L::n + l];
      const Vec3 colour = shaded(value, lost[l]);
      colours[0][l] = colour.x, colours[1][l] = colour.y, colours[2][l] = colour.z;
    }
    out = {L::load(colours[0]), L::load(colours[1]), L::load(colours[2])};
    return true;
  }
#endif
};

// Fills a counter-clockwise triangle of the given doubled area; shade turns
// the N interpolated values of a sample into its colour. Coverage and depth
// are decided per sample; the colour once per output pixel and given to
// every covered sample of the pixel, so that with antialiasing the edges are
// smoothed and the pictures not blurred. The colour is taken at the pixel's
// centre, even where only some of its samples are covered: the face's
// values continue smoothly past its edges, and a picture spread over a grid
// then shows exactly the texels it shows without antialiasing. Only where
// the face's plane does not reach the centre (seen almost edge-on) is the
// colour taken at the first covered sample.
template <typename L, int N, int f, typename Shader>
class FaceFill {
#if defined(__SSE2__)
  using F = typename L::F;
#endif

 public:
  FaceFill(Canvas& canvas, const RasterVertex* v, float area, const SurfaceLook& look,
           bool writeDepth, Shader shade)
      : edges_{EdgeLine(v[1], v[2]), EdgeLine(v[2], v[0]), EdgeLine(v[0], v[1])},
        face_(v, edges_, 1.0f / area, look.perspective),
        width_(canvas.width),
        nearness_(canvas.nearness.data()),
        colours_(canvas.colour.data()),
        alpha_(look.alpha),
        writeDepth_(writeDepth),
        shade_(shade) {}

  // One sample per pixel, at its centre: the row ends where it leaves the
  // face (a face is convex), and the values step along it.
  void singleRow(int py, int x0, int x1) {
    const float y = py + 0.5f;
    RowEdges row;
    row.setRow(edges_, y);
    const float nearRow = face_.nearRow(y);
    float rowValues[N], values[N];
    face_.row(y, rowValues);
    const size_t first = size_t(py) * width_;
    bool entered = false;
#if defined(__SSE2__)
    for (; x0 + L::n <= x1; x0 += L::n)
      if (!laneSamples(row, nearRow, rowValues, first, x0, entered)) return;
#endif
    for (int px = x0; px < x1; ++px) {
      const float x = px + 0.5f;
      if (!row.inside(x)) {
        if (entered) return;
        continue;
      }
      entered = true;
      const float near = face_.nearness(x, nearRow);
      const size_t i = first + px;
      if (!(near > nearness_[i])) continue;
      face_.along(rowValues, x, near, values);
      blend(colours_[i], shade_(values), alpha_);
      if (writeDepth_) nearness_[i] = near;
    }
  }

#if defined(__SSE2__)
  // Samples px to px + L::n - 1 of a row begun by singleRow: which lie
  // inside the face and nearer than the canvas, and their values, all at
  // once; then each drawn in turn. False where the row leaves the face.
  bool laneSamples(const RowEdges& row, float nearRow, const float* rowValues, size_t first, int px,
                   bool& entered) {
    const F x = laneCentres<L>(px);
    const int inside = insideLanes<L>(row, x);
    if (inside == 0) return !entered;
    const F near = laneLine<L>(nearRow, face_.nearPerX, x, face_.originX);
    const int nearer = inside & L::mask(L::greater(near, L::load(nearness_ + first + px)));
    float nears[L::n], lanes[N * L::n], values[N];
    L::store(nears, near);
    float colours[3][L::n];
    bool shaded = false;
    if (nearer) {
      face_.template alongLanes<L>(rowValues, x, near, lanes);
      shaded = shadeLanes(lanes, colours);
    }
    for (int l = 0; l < L::n; ++l) {
      if (!(inside >> l & 1)) {
        if (entered) return false;
        continue;
      }
      entered = true;
      if (!(nearer >> l & 1)) continue;
      const size_t i = first + px + l;
      if (shaded) {
        blend(colours_[i], Vec3{colours[0][l], colours[1][l], colours[2][l]}, alpha_);
      } else {
        for (int k = 0; k < N; ++k) values[k] = lanes[k * L::n + l];
        blend(colours_[i], shade_(values), alpha_);
      }
      if (writeDepth_) nearness_[i] = nears[l];
    }
    return true;
  }

  // The lanes' colours by channel, where the shader has a way to shade
  // them together.
  bool shadeLanes(const float* lanes, float (&colours)[3][L::n]) const {
    if constexpr (ShadesLanes<Shader>::value) {
      ColourLanes<L> shaded;
      if (!shade_.template shadeLanes<L>(lanes, shaded)) return false;
      L::store(colours[0], shaded.r);
      L::store(colours[1], shaded.g);
      L::store(colours[2], shaded.b);
      return true;
    }
    return false;
  }
#endif

  // f x f samples per pixel. The row ends once every sample row has
  // entered the face and left it again.
  void smoothRow(int py, int x0, int x1) {
    SampleRows rows;
    for (int s = 0; s < f; ++s) {
      rows.edges[s].setRow(edges_, py * f + s + 0.5f);
      rows.near[s] = face_.nearRow(py * f + s + 0.5f);
    }
#if defined(__SSE2__)
    if constexpr (f == 2) {
      for (; x0 + L::n <= x1; x0 += L::n)
        if (lanePixels(py, x0, rows)) return;
    }
#endif
    for (int px = x0; px < x1; ++px) {
      if (rows.allLeft()) return;
      smoothPixel(py, px, rows);
    }
  }

 private:
  struct SampleRows {
    RowEdges edges[f];
    float near[f];
    bool entered[f] = {}, left[f] = {};
    bool allLeft() const {
      return std::all_of(left, left + f, [](bool done) { return done; });
    }
  };

  void smoothPixel(int py, int px, SampleRows& rows) {
    size_t covered[f * f];
    float depth[f * f], firstX = 0, firstY = 0;
    int count = 0;
    for (int s = 0; s < f; ++s)
      for (int x = px * f; x < px * f + f; ++x) {
        const float sx = x + 0.5f;
        if (!rows.edges[s].inside(sx)) {
          rows.left[s] |= rows.entered[s];
          continue;
        }
        rows.entered[s] = true;
        const float near = face_.nearness(sx, rows.near[s]);
        const size_t i = size_t(py * f + s) * width_ + x;
        if (!(near > nearness_[i])) continue;
        if (count == 0) firstX = sx, firstY = py * f + s + 0.5f;
        covered[count] = i, depth[count++] = near;
      }
    if (count == 0) return;
    const Vec3 colour = shade_(valuesAt((px + 0.5f) * f, (py + 0.5f) * f, firstX, firstY));
    for (int k = 0; k < count; ++k) {
      blend(colours_[covered[k]], colour, alpha_);
      if (writeDepth_) nearness_[covered[k]] = depth[k];
    }
  }

#if defined(__SSE2__)
  // Pixels px to px + L::n - 1 with two samples a side: each sample row's
  // samples are two lane groups. Coverage, depth and colour are
  // smoothPixel's, the colours of the pixels taken at their centres
  // together. True once every sample row has left the face.
  bool lanePixels(int py, int px, SampleRows& rows) {
    int covered[f] = {};  // bit g * L::n + l: lane l of group g
    float nears[f][f * L::n];
    for (int s = 0; s < f; ++s) {
      const size_t first = size_t(py * f + s) * width_ + size_t(px) * f;
      for (int g = 0; g < f; ++g) {
        const F x = laneCentres<L>(px * f + g * L::n);
        const int inside = insideLanes<L>(rows.edges[s], x);
        const F near = laneLine<L>(rows.near[s], face_.nearPerX, x, face_.originX);
        L::store(nears[s] + g * L::n, near);
        const F behind = L::load(nearness_ + first + g * L::n);
        covered[s] |= (inside & L::mask(L::greater(near, behind))) << (g * L::n);
        noteCrossings(rows, s, inside);
      }
    }
    if ((covered[0] | covered[1]) == 0) return rows.allLeft();
    const float centreY = (py + 0.5f) * f;
    const F centreX = L::mul(laneCentres<L>(px), L::set(float(f)));
    const F near = laneLine<L>(face_.nearRow(centreY), face_.nearPerX, centreX, face_.originX);
    const int reached = L::mask(L::greater(near, L::zero()));
    float lanes[N * L::n], colours[3][L::n];
    face_.template atLanes<L>(centreX, centreY, near, lanes);
    const bool shaded = reached == L::all && shadeLanes(lanes, colours);
    for (int j = 0; j < L::n; ++j) {
      const int bits = ((1 << f) - 1) << (j * f);
      if (((covered[0] | covered[1]) & bits) == 0) continue;
      Vec3 colour;
      if (shaded) {
        colour = {colours[0][j], colours[1][j], colours[2][j]};
      } else if (reached >> j & 1) {
        for (int k = 0; k < N; ++k) values_[k] = lanes[k * L::n + j];
        colour = shade_(values_);
      } else {
        colour = shade_(firstCoveredValues(py, px + j, covered, bits));
      }
      for (int s = 0; s < f; ++s)
        for (int l = j * f; l < j * f + f; ++l) {
          if (!(covered[s] >> l & 1)) continue;
          const size_t i = size_t(py * f + s) * width_ + size_t(px) * f + l;
          blend(colours_[i], colour, alpha_);
          if (writeDepth_) nearness_[i] = nears[s][l];
        }
    }
    return rows.allLeft();
  }

  // A sample row's lanes in turn, as smoothPixel visits them: the row has
  // left the face at an outside sample after an inside one.
  static void noteCrossings(SampleRows& rows, int s, int inside) {
    if (inside == 0) {
      rows.left[s] |= rows.entered[s];
      return;
    }
    const int afterFirst = L::all & ~((inside & -inside) * 2 - 1);
    rows.left[s] |= rows.entered[s] ? inside != L::all : (afterFirst & ~inside) != 0;
    rows.entered[s] = true;
  }

  // The values at the first covered sample of pixel px (bits of covered).
  const float* firstCoveredValues(int py, int px, const int* covered, int bits) {
    const int s = covered[0] & bits ? 0 : 1;
    const int lane = __builtin_ctz(static_cast<unsigned>(covered[s] & bits));
    const float x = px * f + (lane % f) + 0.5f, y = py * f + s + 0.5f;
    face_.at(x, y, face_.nearness(x, face_.nearRow(y)), values_);
    return values_;
  }
#endif

  // The values at the pixel's centre, or at its first covered sample where
  // the face's plane does not reach the centre.
  const float* valuesAt(float centreX, float centreY, float firstX, float firstY) {
    const float near = face_.nearness(centreX, face_.nearRow(centreY));
    if (near > 0)
      face_.at(centreX, centreY, near, values_);
    else
      face_.at(firstX, firstY, face_.nearness(firstX, face_.nearRow(firstY)), values_);
    return values_;
  }

  const EdgeLine edges_[3];
  const FacePlanes<N> face_;
  const int width_;
  float* const nearness_;
  Vec3* const colours_;
  const float alpha_;
  const bool writeDepth_;
  Shader shade_;
  float values_[N];
};

template <typename L, int N, int f, typename Shader>
void fill(Canvas& canvas, const RasterVertex* v, float area, const SurfaceLook& look,
          bool writeDepth, AbortPoll& abort, Shader shade) {
  static_assert(f >= 1 && f <= Canvas::kMaxFactor, "samples per pixel side");
  FaceFill<L, N, f, Shader> filler(canvas, v, area, look, writeDepth, shade);
  int x0 = clampedFloor(std::min({v[0].x, v[1].x, v[2].x}), 0, canvas.width) / f;
  int x1 = (clampedFloor(std::max({v[0].x, v[1].x, v[2].x}) + 1, 0, canvas.width) + f - 1) / f;
  int y0 = clampedFloor(std::min({v[0].y, v[1].y, v[2].y}), 0, canvas.height) / f;
  int y1 = (clampedFloor(std::max({v[0].y, v[1].y, v[2].y}) + 1, 0, canvas.height) + f - 1) / f;
  constexpr int rowsPerPoll = kRowsPerPoll / f;
  for (int py = y0; py < y1; ++py) {
    if ((py - y0) % rowsPerPoll == 0 && abort.stopped()) return;
    if constexpr (f == 1)
      filler.singleRow(py, x0, x1);
    else
      filler.smoothRow(py, x0, x1);
  }
}

template <typename L, int N, typename Shader>
void fillAt(bool smooth, Canvas& canvas, const RasterVertex* v, float area, const SurfaceLook& look,
            bool writeDepth, AbortPoll& abort, Shader shade) {
  if (smooth)
    fill<L, N, Canvas::kMaxFactor>(canvas, v, area, look, writeDepth, abort, shade);
  else
    fill<L, N, 1>(canvas, v, area, look, writeDepth, abort, shade);
}

// fillTriangle() with L::n samples at once.
template <typename L>
void fillTriangleWith(Canvas& canvas, const RasterVertex* input, const SurfaceLook& look,
                      bool writeDepth, const Shadows& shadows, AbortPoll& abort) {
  RasterVertex v[3] = {input[0], input[1], input[2]};
  float area = (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[1].y - v[0].y) * (v[2].x - v[0].x);
  if (!(std::fabs(area) > 1e-9f)) return;
  if (area < 0) std::swap(v[1], v[2]), area = -area;
  const bool smooth = canvas.factor == Canvas::kMaxFactor;
  if (shadows.active()) {
    fillAt<L, kVaryings>(smooth, canvas, v, area, look, writeDepth, abort,
                         ShadowedShade{look, shadows});
  } else if (look.bilinear && !look.warp && !look.picture.empty()) {
    // The usual look, with its picture lookup inlined into the filler.
    fillAt<L, kShadedVaryings>(smooth, canvas, v, area, look, writeDepth, abort,
                               PictureShade{look.picture, look.tint});
  } else {
    fillAt<L, kShadedVaryings>(
        smooth, canvas, v, area, look, writeDepth, abort,
        [&](const float* value) { return lit(look.texel(value[kU], value[kV]), value); });
  }
}

}  // namespace

// fillTriangle() eight samples at once; defined in raster_avx2.cpp, called
// only where the processor has AVX2.
void fillTriangleEightLanes(Canvas& canvas, const RasterVertex* v, const SurfaceLook& look,
                            bool writeDepth, const Shadows& shadows, AbortPoll& abort);

}  // namespace rnd
