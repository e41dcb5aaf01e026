#include "shadow_map.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "edge_line.h"
#include "picture_lanes.h"
#include "row_lanes.h"

namespace rnd {

namespace {

constexpr int kMapSize = 256;
constexpr float kNearestDepth = 0.01f;  // perspective maps ignore what is nearer
const float kMaxExtent = std::tan(radians(75.0f));
constexpr float kNothing = -std::numeric_limits<float>::infinity();

// f floored into 0..kMapSize; far-off and not-a-number values included.
int texelBound(float f) {
  if (!(f > 0)) return 0;
  return f >= kMapSize ? kMapSize : static_cast<int>(f);
}

Mat3 basisToward(Vec3 forward) {
  Vec3 up = std::fabs(forward.y) > 0.9f ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
  Vec3 right = normalized(cross(forward, up));
  Mat3 basis;
  basis.row[0] = right;
  basis.row[1] = cross(right, forward);
  basis.row[2] = forward;
  return basis;
}

Vec3 centreOf(const std::vector<ObjectMesh>& meshes) {
  Vec3 sum;
  size_t count = 0;
  for (const ObjectMesh& m : meshes)
    for (Vec3 p : m.world) sum = sum + p, ++count;
  return count ? sum * (1.0f / count) : Vec3{};
}

}  // namespace

void ShadowMap::clear() {
  const size_t size = size_t(kMapSize) * kMapSize;
  if (texels_.size() != size) texels_.assign(size, Texel{kNothing, 0.0f});
  for (int y = drawnY0_; y < drawnY1_; ++y)
    std::fill_n(&texels_[size_t(y) * kMapSize + drawnX0_], drawnX1_ - drawnX0_,
                Texel{kNothing, 0.0f});
  drawnX0_ = drawnY0_ = kMapSize, drawnX1_ = drawnY1_ = 0;
}

void ShadowMap::draw(const Light& light, const std::vector<ObjectMesh>& meshes) {
  clear();
  perspective_ = light.kind != vta::LightKind::kDirectional;
  origin_ = Vec3{};
  Vec3 forward = light.direction;
  if (perspective_) {
    origin_ = light.position;
    if (light.kind == vta::LightKind::kPoint) forward = normalized(centreOf(meshes) - origin_);
  }
  basis_ = basisToward(forward);
  frame(meshes);
  for (const ObjectMesh& mesh : meshes) drawMesh(mesh);
}

// Fits the map around everything the light sees of the meshes.
void ShadowMap::frame(const std::vector<ObjectMesh>& meshes) {
  float low[2] = {INFINITY, INFINITY}, high[2] = {-INFINITY, -INFINITY}, widest = 0;
  for (const ObjectMesh& m : meshes)
    for (Vec3 p : m.world) {
      Vec3 q = basis_.apply(p - origin_);
      if (perspective_) {
        if (q.z > kNearestDepth) {
          widest = std::max({widest, std::fabs(q.x / q.z), std::fabs(q.y / q.z)});
        }
        continue;
      }
      low[0] = std::min(low[0], q.x), high[0] = std::max(high[0], q.x);
      low[1] = std::min(low[1], q.y), high[1] = std::max(high[1], q.y);
    }
  if (perspective_) {
    extent_ = std::clamp(widest * 1.02f, 0.01f, kMaxExtent);
    texelSize_ = 2 * extent_ / kMapSize;
    return;
  }
  float spanX = std::max(high[0] - low[0], 1e-3f), spanY = std::max(high[1] - low[1], 1e-3f);
  minX_ = low[0] - spanX * 0.01f, minY_ = low[1] - spanY * 0.01f;
  scaleX_ = kMapSize / (spanX * 1.02f), scaleY_ = kMapSize / (spanY * 1.02f);
  texelSize_ = std::max(1 / scaleX_, 1 / scaleY_);
}

ShadowMap::MapPoint ShadowMap::toMap(Vec3 world) const {
  Vec3 q = basis_.apply(world - origin_);
  if (!perspective_) return {(q.x - minX_) * scaleX_, (q.y - minY_) * scaleY_, -q.z, q.z, true};
  if (!(q.z > kNearestDepth)) return {0, 0, 0, 0, false};
  float half = 0.5f * kMapSize;
  return {(q.x / (q.z * extent_) + 1) * half, (q.y / (q.z * extent_) + 1) * half, 1 / q.z, q.z,
          true};
}

void ShadowMap::drawMesh(const ObjectMesh& mesh) {
  std::vector<MapPoint>& points = points_;
  points.clear();
  for (Vec3 p : mesh.world) points.push_back(toMap(p));
  for (int r = 0; r + 1 < mesh.rows; ++r)
    for (int c = 0; c + 1 < mesh.columns; ++c) {
      const MapPoint tl = points[mesh.index(c, r)], tr = points[mesh.index(c + 1, r)];
      const MapPoint bl = points[mesh.index(c, r + 1)], br = points[mesh.index(c + 1, r + 1)];
      const MapPoint first[3] = {tl, bl, tr}, second[3] = {tr, bl, br};
      drawTriangle(first, mesh.front.alpha);
      drawTriangle(second, mesh.front.alpha);
    }
}

void ShadowMap::drawTriangle(const MapPoint* corner, float opacity) {
  if (!corner[0].valid || !corner[1].valid || !corner[2].valid) return;
  MapPoint v[3] = {corner[0], corner[1], corner[2]};
  float area = (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[1].y - v[0].y) * (v[2].x - v[0].x);
  if (!(std::fabs(area) > 1e-9f)) return;
  if (area < 0) std::swap(v[1], v[2]), area = -area;
  const EdgeLine edges[3] = {EdgeLine(v[1], v[2]), EdgeLine(v[2], v[0]), EdgeLine(v[0], v[1])};
  int x0 = texelBound(std::min({v[0].x, v[1].x, v[2].x}));
  int x1 = texelBound(std::max({v[0].x, v[1].x, v[2].x}) + 1);
  int y0 = texelBound(std::min({v[0].y, v[1].y, v[2].y}));
  int y1 = texelBound(std::max({v[0].y, v[1].y, v[2].y}) + 1);
  // The closeness as a plane: vertex i weighs edges[i] over the area.
  const float perX =
      (edges[0].a * v[0].closeness + edges[1].a * v[1].closeness + edges[2].a * v[2].closeness) /
      area;
  const float perY =
      (edges[0].b * v[0].closeness + edges[1].b * v[1].closeness + edges[2].b * v[2].closeness) /
      area;
  if (x0 >= x1 || y0 >= y1) return;
  drawnX0_ = std::min(drawnX0_, x0), drawnX1_ = std::max(drawnX1_, x1);
  drawnY0_ = std::min(drawnY0_, y0), drawnY1_ = std::max(drawnY1_, y1);
  RowEdges row;
  for (int y = y0; y < y1; ++y) {
    const float py = y + 0.5f;
    row.setRow(edges, py);
    const float rowCloseness = v[0].closeness + perY * (py - v[0].y);
    Texel* texels = &texels_[size_t(y) * kMapSize];
    bool entered = false, left = false;  // a triangle is convex: once left, done
    int x = x0;
#if defined(__SSE2__)
    // Four texels at once, each lane as the one-texel loop below decides it.
    for (; !left && x + kLanes <= x1; x += kLanes) {
      const __m128 centres = laneCentres(x);
      const int inside = insideLanes(row, centres);
      float near[kLanes];
      _mm_storeu_ps(near, laneLine(rowCloseness, perX, centres, v[0].x));
      for (int l = 0; l < kLanes && !left; ++l) {
        if (inside >> l & 1) {
          entered = true;
          if (near[l] > texels[x + l].closeness) texels[x + l] = Texel{near[l], opacity};
        } else {
          left = entered;
        }
      }
    }
#endif
    for (; !left && x < x1; ++x) {
      const float px = x + 0.5f;
      if (row.inside(px)) {
        entered = true;
        const float near = rowCloseness + perX * (px - v[0].x);
        if (near > texels[x].closeness) texels[x] = Texel{near, opacity};
      } else {
        left = entered;
      }
    }
  }
}

float ShadowMap::heldBack(int x, int y, float nearerThan) const {
  if (x < 0 || y < 0 || x >= kMapSize || y >= kMapSize) return 0;
  const Texel& texel = texels_[size_t(y) * kMapSize + x];
  return texel.closeness > nearerThan ? texel.opacity : 0;
}

// Where point falls on the map and the closeness an object there must
// exceed to hold the light back from it: nearer the light than the point's
// depth less two texels of slack (which keeps a surface from shadowing
// itself). Perspective maps hold closeness 1 / depth, so the point needs
// 1 / depth and 1 / (depth - slack): both come from one division.
ShadowMap::Lookup ShadowMap::lookupOf(Vec3 point) const {
  const Vec3 q = basis_.apply(point - origin_);
  if (!perspective_) {
    const float limit = q.z - (2 * texelSize_ + 0.01f);
    return {(q.x - minX_) * scaleX_, (q.y - minY_) * scaleY_, -limit, true};
  }
  if (!(q.z > kNearestDepth)) return {0, 0, 0, false};
  const float limit = q.z - (2 * texelSize_ * q.z + 0.01f);
  float overDepth, nearerThan = INFINITY;
  if (limit > 0) {
    const float both = 1 / (q.z * limit);
    overDepth = limit * both, nearerThan = q.z * both;
  } else {
    overDepth = 1 / q.z;
  }
  const float half = 0.5f * kMapSize, scale = overDepth / extent_;
  return {(q.x * scale + 1) * half, (q.y * scale + 1) * half, nearerThan, true};
}

float ShadowMap::occlusion(Vec3 point) const {
  const Lookup m = lookupOf(point);
  if (!m.valid) return 0;
  float fx = m.x - 0.5f, fy = m.y - 0.5f;
  if (!(fx > -1 && fy > -1 && fx < kMapSize && fy < kMapSize)) return 0;  // also not-a-number
  // Above -1, truncating toward zero and stepping down where it rounded up
  // is the floor.
  int x = static_cast<int>(fx), y = static_cast<int>(fy);
  x -= fx < x, y -= fy < y;
  float ax = fx - x, ay = fy - y;
  const float nearerThan = m.nearerThan;
  float top = heldBack(x, y, nearerThan) * (1 - ax) + heldBack(x + 1, y, nearerThan) * ax;
  float bottom =
      heldBack(x, y + 1, nearerThan) * (1 - ax) + heldBack(x + 1, y + 1, nearerThan) * ax;
  return top * (1 - ay) + bottom * ay;
}

#if defined(__SSE2__)
namespace {

__m128 select(__m128 mask, __m128 yes, __m128 no) {
  return _mm_or_ps(_mm_and_ps(mask, yes), _mm_andnot_ps(mask, no));
}

}  // namespace

// lookupOf() and occlusion() lane by lane: the arithmetic four at once,
// the map's four texels of each lane read one lane at a time.
__m128 ShadowMap::occlusionLanes(__m128 px, __m128 py, __m128 pz) const {
  const __m128 dx = _mm_sub_ps(px, _mm_set1_ps(origin_.x));
  const __m128 dy = _mm_sub_ps(py, _mm_set1_ps(origin_.y));
  const __m128 dz = _mm_sub_ps(pz, _mm_set1_ps(origin_.z));
  const __m128 qx = dotLanes(basis_.row[0], dx, dy, dz), qy = dotLanes(basis_.row[1], dx, dy, dz);
  const __m128 qz = dotLanes(basis_.row[2], dx, dy, dz);
  const __m128 one = _mm_set1_ps(1.0f);
  __m128 mapX, mapY, nearerThan, valid = _mm_castsi128_ps(_mm_set1_epi32(-1));
  if (!perspective_) {
    const __m128 limit = _mm_sub_ps(qz, _mm_set1_ps(2 * texelSize_ + 0.01f));
    mapX = _mm_mul_ps(_mm_sub_ps(qx, _mm_set1_ps(minX_)), _mm_set1_ps(scaleX_));
    mapY = _mm_mul_ps(_mm_sub_ps(qy, _mm_set1_ps(minY_)), _mm_set1_ps(scaleY_));
    nearerThan = _mm_xor_ps(limit, _mm_set1_ps(-0.0f));
  } else {
    valid = _mm_cmpgt_ps(qz, _mm_set1_ps(kNearestDepth));
    const __m128 limit =
        _mm_sub_ps(qz, _mm_add_ps(_mm_mul_ps(_mm_set1_ps(2 * texelSize_), qz), _mm_set1_ps(0.01f)));
    const __m128 ahead = _mm_cmpgt_ps(limit, _mm_setzero_ps());
    const __m128 both = _mm_div_ps(one, _mm_mul_ps(qz, limit));
    const __m128 overDepth = select(ahead, _mm_mul_ps(limit, both), _mm_div_ps(one, qz));
    nearerThan = select(ahead, _mm_mul_ps(qz, both), _mm_set1_ps(INFINITY));
    const __m128 half = _mm_set1_ps(0.5f * kMapSize);
    const __m128 scale = _mm_div_ps(overDepth, _mm_set1_ps(extent_));
    mapX = _mm_mul_ps(_mm_add_ps(_mm_mul_ps(qx, scale), one), half);
    mapY = _mm_mul_ps(_mm_add_ps(_mm_mul_ps(qy, scale), one), half);
  }
  const __m128 fx = _mm_sub_ps(mapX, _mm_set1_ps(0.5f)), fy = _mm_sub_ps(mapY, _mm_set1_ps(0.5f));
  const __m128 minus1 = _mm_set1_ps(-1.0f), size = _mm_set1_ps(float(kMapSize));
  valid =
      _mm_and_ps(valid, _mm_and_ps(_mm_and_ps(_mm_cmpgt_ps(fx, minus1), _mm_cmpgt_ps(fy, minus1)),
                                   _mm_and_ps(_mm_cmplt_ps(fx, size), _mm_cmplt_ps(fy, size))));
  const int lanesValid = _mm_movemask_ps(valid);
  if (lanesValid == 0) return _mm_setzero_ps();
  const __m128i ix = lanes::floorToInt(fx), iy = lanes::floorToInt(fy);
  const __m128 ax = _mm_sub_ps(fx, _mm_cvtepi32_ps(ix)), ay = _mm_sub_ps(fy, _mm_cvtepi32_ps(iy));
  alignas(16) int xs[4], ys[4];
  alignas(16) float limits[4], held[4][4] = {};
  _mm_store_si128(reinterpret_cast<__m128i*>(xs), ix);
  _mm_store_si128(reinterpret_cast<__m128i*>(ys), iy);
  _mm_store_ps(limits, nearerThan);
  for (int l = 0; l < 4; ++l) {
    if (!(lanesValid >> l & 1)) continue;
    held[0][l] = heldBack(xs[l], ys[l], limits[l]);
    held[1][l] = heldBack(xs[l] + 1, ys[l], limits[l]);
    held[2][l] = heldBack(xs[l], ys[l] + 1, limits[l]);
    held[3][l] = heldBack(xs[l] + 1, ys[l] + 1, limits[l]);
  }
  const auto across = [&](const float* left, const float* right) {
    return _mm_add_ps(_mm_mul_ps(_mm_load_ps(left), _mm_sub_ps(one, ax)),
                      _mm_mul_ps(_mm_load_ps(right), ax));
  };
  const __m128 top = across(held[0], held[1]), bottom = across(held[2], held[3]);
  const __m128 blended = _mm_add_ps(_mm_mul_ps(top, _mm_sub_ps(one, ay)), _mm_mul_ps(bottom, ay));
  return _mm_and_ps(valid, blended);
}

__m128 Shadows::lossLanes(__m128 x, __m128 y, __m128 z) const {
  __m128 sum = _mm_setzero_ps();
  for (size_t i = 0; i < used_; ++i) sum = _mm_add_ps(sum, maps_[i].occlusionLanes(x, y, z));
  return _mm_mul_ps(_mm_set1_ps(perMap_), sum);
}
#endif

float Shadows::loss(Vec3 point) const {
  float sum = 0;
  for (size_t i = 0; i < used_; ++i) sum += maps_[i].occlusion(point);
  return perMap_ * sum;
}

void Shadows::prepare(const LightRig& lights, const std::vector<ObjectMesh>& meshes,
                      float shadowsPercent, bool lighting) {
  used_ = 0, darkness_ = 0;
  if (!lighting || !(shadowsPercent > 0) || meshes.empty()) return;
  darkness_ = clamp01(shadowsPercent / 100);
  for (const Light& light : lights.lights) {
    if (!light.castsShadows) continue;
    if (used_ == maps_.size()) maps_.emplace_back();
    maps_[used_++].draw(light, meshes);
  }
  perMap_ = used_ ? darkness_ / used_ : 0;
}

}  // namespace rnd
