#include "raster.h"

#include <algorithm>
#include <cmath>

namespace rnd {

namespace {

constexpr int kRowsPerPoll = 16;

// A line a*x + b*y + c that is positive inside the triangle.
struct EdgeLine {
  float a, b, c;
  bool ownsBoundary;  // samples exactly on the edge belong to this triangle

  EdgeLine(const RasterVertex& p, const RasterVertex& q)
      : a(p.y - q.y), b(q.x - p.x), c(p.x * q.y - p.y * q.x) {
    float dy = q.y - p.y, dx = q.x - p.x;
    ownsBoundary = dy > 0 || (dy == 0 && dx < 0);
  }
  float at(float x, float y) const { return a * x + b * y + c; }
  bool inside(float w) const { return w > 0 || (w == 0 && ownsBoundary); }
};

int clampedFloor(float f, int low, int high) {
  if (!(f > low)) return low;
  return f >= high ? high : static_cast<int>(std::floor(f));
}

void blend(Vec3& target, Vec3 colour, float alpha) {
  target = alpha >= 1 ? colour : target * (1 - alpha) + colour * alpha;
}

// The face's values at a sample from its three weights.
struct FaceValues {
  float perVertex[3][kVaryings];
  float nearness[3];
  bool perspective;

  FaceValues(const RasterVertex* v, bool correct) : perspective(correct) {
    for (int i = 0; i < 3; ++i) {
      nearness[i] = v[i].nearness;
      float scale = correct ? v[i].nearness : 1.0f;
      for (int k = 0; k < kVaryings; ++k) perVertex[i][k] = v[i].value[k] * scale;
    }
  }
  void at(const float* w, float near, float* out) const {
    float scale = perspective ? 1.0f / near : 1.0f;
    for (int k = 0; k < kVaryings; ++k)
      out[k] = (w[0] * perVertex[0][k] + w[1] * perVertex[1][k] + w[2] * perVertex[2][k]) * scale;
  }
};

Vec3 shadeSample(const SurfaceLook& look, const float* value) {
  Vec3 diffuse{value[kDiffuse], value[kDiffuse + 1], value[kDiffuse + 2]};
  Vec3 specular{value[kSpecular], value[kSpecular + 1], value[kSpecular + 2]};
  return mul(look.texel(value[kU], value[kV]), diffuse) + specular;
}

}  // namespace

void fillTriangle(Canvas& canvas, const RasterVertex* input, const SurfaceLook& look,
                  bool writeDepth, AbortPoll& abort) {
  RasterVertex v[3] = {input[0], input[1], input[2]};
  float area = (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[1].y - v[0].y) * (v[2].x - v[0].x);
  if (!(std::fabs(area) > 1e-9f)) return;
  if (area < 0) std::swap(v[1], v[2]), area = -area;
  const EdgeLine edges[3] = {EdgeLine(v[1], v[2]), EdgeLine(v[2], v[0]), EdgeLine(v[0], v[1])};
  int x0 = clampedFloor(std::min({v[0].x, v[1].x, v[2].x}), 0, canvas.width);
  int x1 = clampedFloor(std::max({v[0].x, v[1].x, v[2].x}) + 1, 0, canvas.width);
  int y0 = clampedFloor(std::min({v[0].y, v[1].y, v[2].y}), 0, canvas.height);
  int y1 = clampedFloor(std::max({v[0].y, v[1].y, v[2].y}) + 1, 0, canvas.height);
  FaceValues face(v, look.perspective);
  float values[kVaryings];
  for (int y = y0; y < y1; ++y) {
    if ((y - y0) % kRowsPerPoll == 0 && abort.stopped()) return;
    float py = y + 0.5f;
    size_t row = size_t(y) * canvas.width;
    for (int x = x0; x < x1; ++x) {
      float px = x + 0.5f;
      float w[3] = {edges[0].at(px, py), edges[1].at(px, py), edges[2].at(px, py)};
      if (!edges[0].inside(w[0]) || !edges[1].inside(w[1]) || !edges[2].inside(w[2])) continue;
      for (float& weight : w) weight /= area;
      float near = w[0] * face.nearness[0] + w[1] * face.nearness[1] + w[2] * face.nearness[2];
      if (!(near > canvas.nearness[row + x])) continue;
      face.at(w, near, values);
      blend(canvas.colour[row + x], shadeSample(look, values), look.alpha);
      if (writeDepth) canvas.nearness[row + x] = near;
    }
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
    if (p[i] < 0) t0 = std::max(t0, r);
    else t1 = std::min(t1, r);
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
