#include "raster.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "edge_line.h"
#include "picture_lanes.h"
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
  // along() for four samples at once: out[k * kLanes + lane].
  void alongLanes(const float* rowValues, __m128 x, __m128 near, float* out) const {
    const __m128 dx = _mm_sub_ps(x, _mm_set1_ps(originX));
    const __m128 scale = perspective ? _mm_div_ps(_mm_set1_ps(1.0f), near) : _mm_set1_ps(1.0f);
    for (int k = 0; k < N; ++k) {
      const __m128 line =
          _mm_add_ps(_mm_set1_ps(rowValues[k]), _mm_mul_ps(_mm_set1_ps(perX[k]), dx));
      _mm_storeu_ps(out + k * kLanes, _mm_mul_ps(line, scale));
    }
  }
#endif
#if defined(__SSE2__)
  // at() for four points of the row through y: out[k * kLanes + lane].
  void atLanes(__m128 x, float y, __m128 near, float* out) const {
    const __m128 dx = _mm_sub_ps(x, _mm_set1_ps(originX));
    const __m128 scale = perspective ? _mm_div_ps(_mm_set1_ps(1.0f), near) : _mm_set1_ps(1.0f);
    const float dy = y - originY;
    for (int k = 0; k < N; ++k) {
      const __m128 across = _mm_add_ps(_mm_set1_ps(at0[k]), _mm_mul_ps(_mm_set1_ps(perX[k]), dx));
      _mm_storeu_ps(out + k * kLanes,
                    _mm_mul_ps(_mm_add_ps(across, _mm_set1_ps(perY[k] * dy)), scale));
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
// SSE2 also four samples at once.
struct PictureShade {
  const Picture& picture;
  Vec3 tint;

  Vec3 operator()(const float* value) const {
    return lit(mul(picture.bilinear(value[kU], value[kV]), tint), value);
  }
#if defined(__SSE2__)
  // lanes[k * kLanes + l] is value k of sample l. False where a sample's
  // coordinates lie beyond the picture's sampled range.
  bool four(const float* lanes, ColourLanes& out) const {
    ColourLanes texel;
    if (!bilinearLanes(picture, _mm_loadu_ps(lanes + kU * kLanes),
                       _mm_loadu_ps(lanes + kV * kLanes), texel))
      return false;
    const auto litLane = [&](__m128 t, float tinted, int c) {
      const __m128 diffuse = _mm_loadu_ps(lanes + (kDiffuse + c) * kLanes);
      const __m128 specular = _mm_loadu_ps(lanes + (kSpecular + c) * kLanes);
      return _mm_add_ps(_mm_mul_ps(_mm_mul_ps(t, _mm_set1_ps(tinted)), diffuse), specular);
    };
    out = {litLane(texel.r, tint.x, 0), litLane(texel.g, tint.y, 1), litLane(texel.b, tint.z, 2)};
    return true;
  }
#endif
};

// Whether a shader also shades four samples at once.
template <typename Shader, typename = void>
struct ShadesFour : std::false_type {};
template <typename Shader>
struct ShadesFour<Shader, std::void_t<decltype(&Shader::four)>> : std::true_type {};

// A look with shadows: the light the shadow maps hold back taken off the
// shadow-casting lights' share. With SSE2 the shadow lookups of four
// samples go together, the rest one sample at a time.
struct ShadowedShade {
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
  bool four(const float* lanes, ColourLanes& out) const {
    float lost[kLanes], value[kVaryings], colours[3][kLanes];
    _mm_storeu_ps(lost, shadows.lossLanes(_mm_loadu_ps(lanes + kWorld * kLanes),
                                          _mm_loadu_ps(lanes + (kWorld + 1) * kLanes),
                                          _mm_loadu_ps(lanes + (kWorld + 2) * kLanes)));
    for (int l = 0; l < kLanes; ++l) {
      for (int k = 0; k < kVaryings; ++k) value[k] = lanes[k * kLanes + l];
      const Vec3 colour = shaded(value, lost[l]);
      colours[0][l] = colour.x, colours[1][l] = colour.y, colours[2][l] = colour.z;
    }
    out = {_mm_loadu_ps(colours[0]), _mm_loadu_ps(colours[1]), _mm_loadu_ps(colours[2])};
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
template <int N, int f, typename Shader>
class FaceFill {
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
    for (; x0 + kLanes <= x1; x0 += kLanes)
      if (!fourSamples(row, nearRow, rowValues, first, x0, entered)) return;
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
  // Samples px to px + 3 of a row begun by singleRow: which lie inside the
  // face and nearer than the canvas, and their values, four at once; then
  // each drawn in turn. False where the row leaves the face.
  bool fourSamples(const RowEdges& row, float nearRow, const float* rowValues, size_t first, int px,
                   bool& entered) {
    const __m128 x = laneCentres(px);
    const int inside = insideLanes(row, x);
    if (inside == 0) return !entered;
    const __m128 near = laneLine(nearRow, face_.nearPerX, x, face_.originX);
    const int nearer =
        inside & _mm_movemask_ps(_mm_cmpgt_ps(near, _mm_loadu_ps(nearness_ + first + px)));
    float nears[kLanes], lanes[N * kLanes], values[N];
    _mm_storeu_ps(nears, near);
    float colours[3][kLanes];
    bool shaded = false;
    if (nearer) {
      face_.alongLanes(rowValues, x, near, lanes);
      shaded = shadeFour(lanes, colours);
    }
    for (int l = 0; l < kLanes; ++l) {
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
        for (int k = 0; k < N; ++k) values[k] = lanes[k * kLanes + l];
        blend(colours_[i], shade_(values), alpha_);
      }
      if (writeDepth_) nearness_[i] = nears[l];
    }
    return true;
  }

  // The four samples' colours by channel, where the shader has a way to
  // shade them together.
  bool shadeFour(const float* lanes, float (&colours)[3][kLanes]) const {
    if constexpr (ShadesFour<Shader>::value) {
      ColourLanes four;
      if (!shade_.four(lanes, four)) return false;
      _mm_storeu_ps(colours[0], four.r);
      _mm_storeu_ps(colours[1], four.g);
      _mm_storeu_ps(colours[2], four.b);
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
    if constexpr (f * 2 == kLanes) {
      for (; x0 + kLanes <= x1; x0 += kLanes)
        if (fourPixels(py, x0, rows)) return;
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
  // Pixels px to px + 3 with two samples a side: each sample row's eight
  // samples are two lane groups. Coverage, depth and colour are smoothPixel's,
  // the colours of the four pixels taken at their centres together. True
  // once every sample row has left the face.
  bool fourPixels(int py, int px, SampleRows& rows) {
    int covered[f] = {};  // bit 4g + l: lane l of group g
    float nears[f][2 * kLanes];
    for (int s = 0; s < f; ++s) {
      const size_t first = size_t(py * f + s) * width_ + size_t(px) * f;
      for (int g = 0; g < 2; ++g) {
        const __m128 x = laneCentres(px * f + g * kLanes);
        const int inside = insideLanes(rows.edges[s], x);
        const __m128 near = laneLine(rows.near[s], face_.nearPerX, x, face_.originX);
        _mm_storeu_ps(nears[s] + g * kLanes, near);
        const __m128 behind = _mm_loadu_ps(nearness_ + first + g * kLanes);
        covered[s] |= (inside & _mm_movemask_ps(_mm_cmpgt_ps(near, behind))) << (g * kLanes);
        noteCrossings(rows, s, inside);
      }
    }
    if ((covered[0] | covered[1]) == 0) return rows.allLeft();
    const float centreY = (py + 0.5f) * f;
    const __m128 centreX = _mm_mul_ps(laneCentres(px), _mm_set1_ps(float(f)));
    const __m128 near = laneLine(face_.nearRow(centreY), face_.nearPerX, centreX, face_.originX);
    const int reached = _mm_movemask_ps(_mm_cmpgt_ps(near, _mm_setzero_ps()));
    float lanes[N * kLanes], colours[3][kLanes];
    face_.atLanes(centreX, centreY, near, lanes);
    const bool shaded = reached == 0xF && shadeFour(lanes, colours);
    for (int j = 0; j < kLanes; ++j) {
      const int bits = 3 << (j * f);
      if (((covered[0] | covered[1]) & bits) == 0) continue;
      Vec3 colour;
      if (shaded) {
        colour = {colours[0][j], colours[1][j], colours[2][j]};
      } else if (reached >> j & 1) {
        for (int k = 0; k < N; ++k) values_[k] = lanes[k * kLanes + j];
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

  // A sample row's four lanes in turn, as smoothPixel visits them: the row
  // has left the face at an outside sample after an inside one.
  static void noteCrossings(SampleRows& rows, int s, int inside) {
    if (inside == 0) {
      rows.left[s] |= rows.entered[s];
      return;
    }
    const int afterFirst = 0xF & ~((inside & -inside) * 2 - 1);
    rows.left[s] |= rows.entered[s] ? inside != 0xF : (afterFirst & ~inside) != 0;
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

template <int N, int f, typename Shader>
void fill(Canvas& canvas, const RasterVertex* v, float area, const SurfaceLook& look,
          bool writeDepth, AbortPoll& abort, Shader shade) {
  static_assert(f >= 1 && f <= Canvas::kMaxFactor, "samples per pixel side");
  FaceFill<N, f, Shader> filler(canvas, v, area, look, writeDepth, shade);
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

template <int N, typename Shader>
void fillAt(bool smooth, Canvas& canvas, const RasterVertex* v, float area, const SurfaceLook& look,
            bool writeDepth, AbortPoll& abort, Shader shade) {
  if (smooth)
    fill<N, Canvas::kMaxFactor>(canvas, v, area, look, writeDepth, abort, shade);
  else
    fill<N, 1>(canvas, v, area, look, writeDepth, abort, shade);
}

}  // namespace

void fillTriangle(Canvas& canvas, const RasterVertex* input, const SurfaceLook& look,
                  bool writeDepth, const Shadows& shadows, AbortPoll& abort) {
  RasterVertex v[3] = {input[0], input[1], input[2]};
  float area = (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[1].y - v[0].y) * (v[2].x - v[0].x);
  if (!(std::fabs(area) > 1e-9f)) return;
  if (area < 0) std::swap(v[1], v[2]), area = -area;
  const bool smooth = canvas.factor == Canvas::kMaxFactor;
  if (shadows.active()) {
    fillAt<kVaryings>(smooth, canvas, v, area, look, writeDepth, abort,
                      ShadowedShade{look, shadows});
  } else if (look.bilinear && !look.warp && !look.picture.empty()) {
    // The usual look, with its picture lookup inlined into the filler.
    fillAt<kShadedVaryings>(smooth, canvas, v, area, look, writeDepth, abort,
                            PictureShade{look.picture, look.tint});
  } else {
    fillAt<kShadedVaryings>(
        smooth, canvas, v, area, look, writeDepth, abort,
        [&](const float* value) { return lit(look.texel(value[kU], value[kV]), value); });
  }
}

void drawEdge(Canvas& canvas, const RasterVertex& a, const RasterVertex& b,
              const SurfaceLook& look) {
  float dx = b.x - a.x, dy = b.y - a.y;
  float t0 = 0, t1 = 1;
  const float p[4] = {-dx, dx, -dy, dy};
  const float q[4] = {a.x, canvas.width - a.x, a.y, canvas.height - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return;
      continue;
    }
    float r = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
  }
  if (!(t0 <= t1)) return;
  int steps = 1 + static_cast<int>(std::ceil(std::max(std::fabs(dx), std::fabs(dy)) * (t1 - t0)));
  for (int i = 0; i <= steps; ++i) {
    float t = t0 + (t1 - t0) * i / steps;
    int x = clampedFloor(a.x + dx * t, 0, canvas.width - 1);
    int y = clampedFloor(a.y + dy * t, 0, canvas.height - 1);
    float u = a.value[kU] + (b.value[kU] - a.value[kU]) * t;
    float v = a.value[kV] + (b.value[kV] - a.value[kV]) * t;
    blend(canvas.colour[size_t(y) * canvas.width + x], look.texel(u, v), look.alpha);
  }
}

}  // namespace rnd
