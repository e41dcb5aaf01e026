#include "raster.h"

#include <algorithm>
#include <cmath>

#include "edge_line.h"

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

// The face's first N values at a sample from its three weights.
template <int N>
struct FaceValues {
  float perVertex[3][N];
  float nearness[3];
  bool perspective;

  FaceValues(const RasterVertex* v, bool correct) : perspective(correct) {
    for (int i = 0; i < 3; ++i) {
      nearness[i] = v[i].nearness;
      float scale = correct ? v[i].nearness : 1.0f;
      for (int k = 0; k < N; ++k) perVertex[i][k] = v[i].value[k] * scale;
    }
  }
  float nearnessAt(const float* w) const {
    return w[0] * nearness[0] + w[1] * nearness[1] + w[2] * nearness[2];
  }
  void at(const float* w, float near, float* out) const {
    float scale = perspective ? 1.0f / near : 1.0f;
    for (int k = 0; k < N; ++k)
      out[k] = (w[0] * perVertex[0][k] + w[1] * perVertex[1][k] + w[2] * perVertex[2][k]) * scale;
  }
};

// The three weights of the face at x, y (in samples); they sum to 1 and are
// all positive inside the face.
void weightsAt(const EdgeLine* edges, float perArea, float x, float y, float* w) {
  for (int i = 0; i < 3; ++i) w[i] = edges[i].at(x, y) * perArea;
}

Vec3 triple(const float* value, int first) {
  return {value[first], value[first + 1], value[first + 2]};
}

Vec3 shadeSample(const SurfaceLook& look, const float* value) {
  return mul(look.texel(value[kU], value[kV]), triple(value, kDiffuse)) + triple(value, kSpecular);
}

Vec3 shadeShadowed(const SurfaceLook& look, const float* value, const Shadows& shadows) {
  float lost = shadows.loss(triple(value, kWorld));
  Vec3 diffuse = triple(value, kDiffuse) - triple(value, kCastDiffuse) * lost;
  Vec3 specular = triple(value, kSpecular) - triple(value, kCastSpecular) * lost;
  return mul(look.texel(value[kU], value[kV]), diffuse) + specular;
}

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
void fill(Canvas& canvas, const RasterVertex* v, float area, const SurfaceLook& look,
          bool writeDepth, AbortPoll& abort, Shader shade) {
  static_assert(f >= 1 && f <= Canvas::kMaxFactor, "samples per pixel side");
  const EdgeLine edges[3] = {EdgeLine(v[1], v[2]), EdgeLine(v[2], v[0]), EdgeLine(v[0], v[1])};
  int x0 = clampedFloor(std::min({v[0].x, v[1].x, v[2].x}), 0, canvas.width) / f;
  int x1 = (clampedFloor(std::max({v[0].x, v[1].x, v[2].x}) + 1, 0, canvas.width) + f - 1) / f;
  int y0 = clampedFloor(std::min({v[0].y, v[1].y, v[2].y}), 0, canvas.height) / f;
  int y1 = (clampedFloor(std::max({v[0].y, v[1].y, v[2].y}) + 1, 0, canvas.height) + f - 1) / f;
  constexpr int rowsPerPoll = kRowsPerPoll / f;
  FaceValues<N> face(v, look.perspective);
  const float perArea = 1.0f / area;
  float values[N];
  for (int py = y0; py < y1; ++py) {
    if ((py - y0) % rowsPerPoll == 0 && abort.stopped()) return;
    for (int px = x0; px < x1; ++px) {
      size_t covered[f * f];
      float depth[f * f], first[3];
      int count = 0;
      for (int y = py * f; y < py * f + f; ++y)
        for (int x = px * f; x < px * f + f; ++x) {
          float w[3];
          weightsAt(edges, perArea, x + 0.5f, y + 0.5f, w);
          if (!edges[0].inside(w[0]) || !edges[1].inside(w[1]) || !edges[2].inside(w[2])) continue;
          float near = face.nearnessAt(w);
          size_t i = size_t(y) * canvas.width + x;
          if (!(near > canvas.nearness[i])) continue;
          if (count == 0) std::copy(w, w + 3, first);
          covered[count] = i, depth[count++] = near;
        }
      if (count == 0) continue;
      float centre[3];
      weightsAt(edges, perArea, (px + 0.5f) * f, (py + 0.5f) * f, centre);
      const float* at = face.nearnessAt(centre) > 0 ? centre : first;
      face.at(at, face.nearnessAt(at), values);
      const Vec3 colour = shade(values);
      for (int k = 0; k < count; ++k) {
        blend(canvas.colour[covered[k]], colour, look.alpha);
        if (writeDepth) canvas.nearness[covered[k]] = depth[k];
      }
    }
  }
}

}  // namespace

void fillTriangle(Canvas& canvas, const RasterVertex* input, const SurfaceLook& look,
                  bool writeDepth, const Shadows& shadows, AbortPoll& abort) {
  RasterVertex v[3] = {input[0], input[1], input[2]};
  float area = (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[1].y - v[0].y) * (v[2].x - v[0].x);
  if (!(std::fabs(area) > 1e-9f)) return;
  if (area < 0) std::swap(v[1], v[2]), area = -area;
  constexpr int kSmooth = Canvas::kMaxFactor;
  const bool smooth = canvas.factor == kSmooth;
  if (shadows.active()) {
    auto shade = [&](const float* value) { return shadeShadowed(look, value, shadows); };
    if (smooth)
      fill<kVaryings, kSmooth>(canvas, v, area, look, writeDepth, abort, shade);
    else
      fill<kVaryings, 1>(canvas, v, area, look, writeDepth, abort, shade);
  } else {
    auto shade = [&](const float* value) { return shadeSample(look, value); };
    if (smooth)
      fill<kShadedVaryings, kSmooth>(canvas, v, area, look, writeDepth, abort, shade);
    else
      fill<kShadedVaryings, 1>(canvas, v, area, look, writeDepth, abort, shade);
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
