// The renderer's scene arithmetic checked against docs/scene.md by hand-made
// cases: time, morph deforms, placement, near clipping, shadow maps, the
// frame's colours as bytes; and the triangle filler's lane widths.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "frame_time.h"
#include "morph.h"
#include "near_clip.h"
#include "output_image.h"
#include "placement.h"
#include "raster.h"
#include "shadow_map.h"

namespace rnd {
namespace {

void expectNear(Vec3 a, Vec3 b) {
  EXPECT_NEAR(a.x, b.x, 1e-5f);
  EXPECT_NEAR(a.y, b.y, 1e-5f);
  EXPECT_NEAR(a.z, b.z, 1e-5f);
}

TEST(FrameTimeTest, PeriodCentresTheEffectAndFlyOnRunsItBackwards) {
  float globals[30] = {};
  globals[VTA_TRANSITION_PERIOD] = 50;
  EXPECT_FLOAT_EQ(frameTime(globals, 0.2).u, 0.0f);
  EXPECT_FLOAT_EQ(frameTime(globals, 0.5).u, 0.5f);
  EXPECT_FLOAT_EQ(frameTime(globals, 0.625).u, 0.75f);
  EXPECT_FLOAT_EQ(frameTime(globals, 0.9).u, 1.0f);
  EXPECT_FALSE(frameTime(globals, 0.5).exchange);
  globals[VTA_FLY_MODE] = 1;
  EXPECT_FLOAT_EQ(frameTime(globals, 0.625).u, 0.25f);
  EXPECT_TRUE(frameTime(globals, 0.625).exchange);
  globals[VTA_TRANSITION_PERIOD] = 0;  // counts as 100
  EXPECT_FLOAT_EQ(frameTime(globals, 0.1).u, 0.9f);
  globals[VTA_FILTER_ON] = 1;  // filter mode: the moment itself
  EXPECT_FLOAT_EQ(frameTime(globals, 0.1).u, 0.1f);
  EXPECT_FALSE(frameTime(globals, 0.1).exchange);
}

vta::MorphRecord record(uint16_t deform, float amount, float parameter) {
  vta::MorphRecord r{};
  r.entryCount = 1;
  r.entryWords[0] = deform;
  r.entryFirstReals[0] = amount;
  r.entrySecondReals[0] = parameter;
  return r;
}

TEST(MorphTest, EachDeformMovesPointsAsWorkedOut) {
  // Curl rolls onto a cylinder and then lies flat on top.
  vta::MorphRecord curl = record(1, 0.5f, 0.0f);
  expectNear(deformPoint(curl, {-0.5f, 1, 0}, {}), {-0.5f, 1, 0});
  expectNear(deformPoint(curl, {kPi * 0.25f, 1, 0}, {}), {0.5f, 1, 0.5f});
  expectNear(deformPoint(curl, {kPi * 0.5f + 0.3f, 1, 0}, {}), {-0.3f, 1, 1.0f});
  // Fold turns the part right of the line toward the viewer.
  vta::MorphRecord fold = record(2, 90, 0.25f);
  expectNear(deformPoint(fold, {1.25f, 0, 0}, {}), {0.25f, 0, 1});
  expectNear(deformPoint(fold, {0.0f, 0, 0}, {}), {0.0f, 0, 0});
  // Twist turns rows about y by height.
  vta::MorphRecord twist = record(4, 90, 0);
  expectNear(deformPoint(twist, {1, 1, 0}, {}), {0, 1, -1});
  expectNear(deformPoint(twist, {1, 0, 0}, {}), {1, 0, 0});
  // Ripple raises by distance from the centre, a quarter wave per unit.
  expectNear(deformPoint(record(3, 0.1f, 0.25f), {1, 1, 0}, {0, 1, 0}), {1, 1, 0.1f});
}

TEST(PlacementAndNearClip, ScaleAndRotationActAboutThePivotAndClippingCutsAwayWhatLiesBehind) {
  Placement p;
  p.rotation = rotationXYZ(0, 0, 90);
  p.scale = {2, 2, 2};
  p.pivot = {1, 0, 0};
  p.position = {0, 0, -1};
  expectNear(p.apply({2, 0, 0}), {1, 2, -1});
  // About x first, then y: +y goes to +z, then +z to +x.
  expectNear(rotationXYZ(90, 90, 0).apply({0, 1, 0}), {1, 0, 0});

  ClipVertex t[3] = {};
  t[0].camera = {0, 0, -2};
  t[1].camera = {1, 0, -2};
  t[2].camera = {0, 1, 1};
  t[2].value[kU] = 1;
  ClipVertex out[4];
  int n = clipNear(t, 0.5f, out);
  ASSERT_EQ(n, 4);
  for (int i = 0; i < n; ++i) EXPECT_LE(out[i].camera.z, -0.5f + 1e-6f);
  EXPECT_NEAR(out[3].value[kU], 0.5f, 1e-5f);  // halfway from -2 to 1 is -0.5
  for (ClipVertex& v : t) v.camera.z = 1;
  EXPECT_EQ(clipNear(t, 0.5f, out), 0);
}

// A square of side 1 at height z, facing +z, with the given opacity.
ObjectMesh square(float z, float opacity) {
  ObjectMesh m;
  m.columns = m.rows = 2;
  m.world = {{-0.5f, 0.5f, z}, {0.5f, 0.5f, z}, {-0.5f, -0.5f, z}, {0.5f, -0.5f, z}};
  m.front.alpha = opacity;
  return m;
}

void expectShadowOfSquare(const Light& light) {
  ShadowMap map(light, {square(1, 1)});
  EXPECT_NEAR(map.occlusion({0, 0, 0}), 1, 1e-6f);
  EXPECT_NEAR(map.occlusion({0.2f, -0.3f, -2}), 1, 1e-6f);
  EXPECT_EQ(map.occlusion({0.9f, 0, 0}), 0);  // beside it
  EXPECT_EQ(map.occlusion({0, 0, 1}), 0);     // on it: no shadow on itself
  EXPECT_EQ(map.occlusion({0, 0, 1.5f}), 0);  // between it and the light
}

TEST(ShadowMapTest, ASquareShadowsWhatLiesBehindItAndBrokenPointsBreakNothing) {
  Light directional;
  directional.direction = {0, 0, -1};
  expectShadowOfSquare(directional);
  Light spot;
  spot.kind = vta::LightKind::kSpot;
  spot.position = {0, 0, 4};
  expectShadowOfSquare(spot);
  Light point;
  point.kind = vta::LightKind::kPoint;
  point.position = {0, 0, 4};
  expectShadowOfSquare(point);

  // A see-through object casts a lighter shadow.
  Light light;
  EXPECT_NEAR(ShadowMap(light, {square(1, 0.25f)}).occlusion({0, 0, 0}), 0.25f, 1e-6f);
  // The nearer square (to the light, which shines from +z) decides.
  ShadowMap stacked(light, {square(1, 1), square(2, 0.5f)});
  EXPECT_NEAR(stacked.occlusion({0, 0, 0}), 0.5f, 1e-6f);
  EXPECT_NEAR(stacked.occlusion({0, 0, 1.5f}), 0.5f, 1e-6f);

  // Far-off and broken points neither break the map nor get shadows.
  const float huge = 1e30f, nan = std::nanf("");
  ObjectMesh broken = square(1, 1);
  broken.world[0] = {huge, -huge, huge};
  broken.world[3] = {nan, 0, 1};
  for (const Light& each : {directional, spot}) {
    ShadowMap map(each, {broken, square(1, 1)});
    for (Vec3 p : {Vec3{huge, huge, -huge}, Vec3{nan, 0, 0}, Vec3{0, 0, -huge}}) {
      float occlusion = map.occlusion(p);
      EXPECT_TRUE(occlusion >= 0 && occlusion <= 1) << occlusion;
    }
  }
}

TEST(ShadowMapTest, ShadowsNeedTheOptionLightingAndACastingLightAndKeepOnlyTheFramesObjects) {
  LightRig rig;
  rig.lights.resize(2);
  rig.lights[1].castsShadows = true;
  std::vector<ObjectMesh> meshes = {square(1, 1)};
  Shadows shadows;
  shadows.prepare(rig, meshes, 60, true);
  ASSERT_TRUE(shadows.active());
  EXPECT_NEAR(shadows.loss({0, 0, 0}), 0.6f, 1e-6f);
  shadows.prepare(rig, meshes, 0, true);
  EXPECT_FALSE(shadows.active());
  shadows.prepare(rig, meshes, 60, false);
  EXPECT_FALSE(shadows.active());
  rig.lights[1].castsShadows = false;
  shadows.prepare(rig, meshes, 60, true);
  EXPECT_FALSE(shadows.active());

  // Maps kept for the next frame hold only that frame's objects.
  rig.lights[0].castsShadows = rig.lights[1].castsShadows = true;
  shadows.prepare(rig, {square(1, 1)}, 100, true);
  EXPECT_NEAR(shadows.loss({0, 0, 0}), 1.0f, 1e-6f);
  rig.lights[1].castsShadows = false;
  ObjectMesh aside = square(1, 0.5f);
  for (Vec3& p : aside.world) p.x += 10;
  shadows.prepare(rig, {aside, square(1, 0.5f)}, 100, true);
  EXPECT_NEAR(shadows.loss({0, 0, 0}), 0.5f, 1e-6f);
  EXPECT_NEAR(shadows.loss({10, 0, 0}), 0.5f, 1e-6f);
  shadows.prepare(rig, {aside}, 100, true);
  EXPECT_NEAR(shadows.loss({0, 0, 0}), 0.0f, 1e-6f);
}

// The frame's colours as bytes: rounded to the nearest level, clamped at 0
// and 255 (not-a-number as 0), in blue, green, red order, the same whether
// a pixel is stored among four at once or alone at a row's end.
TEST(OutputRows, ColoursRoundAndClampAlikeInEveryPosition) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = INFINITY;
  const struct {
    float value;
    int byte;
  } levels[] = {{0.0f, 0},   {-0.0f, 0},      {-1.0f, 0},      {nan, 0},
                {-inf, 0},   {0.6f / 255, 1}, {0.4f / 255, 0}, {0.5f, 128},
                {1.0f, 255}, {1.5f, 255},     {inf, 255},      {254.4f / 255, 254}};
  // Seven pixels a row: four stored together, three alone; each level is
  // the red, the green and the blue of some pixel in either part.
  FrameImage image;
  image.width = 7;
  for (const auto& level : levels) {
    for (int pixel = 0; pixel < image.width; ++pixel) {
      const float other = 0.25f;
      image.colour.push_back({level.value, other, other});
      image.colour.push_back({other, level.value, other});
      image.colour.push_back({other, other, level.value});
    }
  }
  image.height = static_cast<int>(image.colour.size()) / image.width;
  std::vector<uint8_t> bytes(image.colour.size() * 3);
  storeRows(image, bytes.data(), image.width * 3);
  for (size_t i = 0; i < image.colour.size(); ++i) {
    const auto& level = levels[i / (3 * image.width)];
    const int channel = i % 3;  // red, green, blue: stored at 2, 1, 0
    EXPECT_EQ(level.byte, bytes[i * 3 + 2 - channel])
        << "value " << level.value << " pixel " << i % image.width;
    for (int k = 0; k < 3; ++k) {
      if (k == 2 - channel) continue;
      EXPECT_EQ(64, bytes[i * 3 + k]) << "the other channels, 0.25";
    }
  }
}

// A small linear congruential generator: the same triangles everywhere.
class Dice {
 public:
  float between(float low, float high) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return low + (high - low) * float(state_ >> 40) / float(1 << 24);
  }

 private:
  uint64_t state_ = 42;
};

struct Look {
  const char* name;
  bool picture, bilinear, perspective, shadows;
  float alpha;
};

const Look kLooks[] = {
    {"bilinear picture", true, true, true, false, 1},
    {"bilinear picture, affine, half seen", true, true, false, false, 0.5f},
    {"nearest picture", true, false, true, false, 1},
    {"tint alone", false, false, false, false, 0.7f},
    {"shadowed", true, true, true, true, 1},
};

std::vector<RasterVertex> randomTriangles(int count, float width, float height) {
  Dice dice;
  std::vector<RasterVertex> vertices(size_t(count) * 3);
  for (int t = 0; t < count; ++t) {
    const float spread = t % 7 == 0 ? 40 : 1.3f;  // every seventh reaches far off
    for (int i = 0; i < 3; ++i) {
      RasterVertex& v = vertices[size_t(t) * 3 + i];
      v.x = dice.between(-0.3f, spread) * width;
      v.y = dice.between(-0.3f, spread) * height;
      if (t % 11 == 0 && i == 2) v.x = vertices[size_t(t) * 3].x;  // edge-on sides
      v.nearness = dice.between(0.05f, 2);
      for (float& value : v.value) value = dice.between(-0.2f, 1.2f);
    }
  }
  return vertices;
}

// A grid of triangle pairs over the top half, in front of the random ones,
// wide enough for the lanes, whose sides pass through sample centres,
// drawn twice: the samples on shared sides and the equal depths decide.
std::vector<RasterVertex> gridTriangles(float width, float height) {
  const auto at = [](float x, float y) {
    RasterVertex v{x, y, 3, {}};
    for (int k = 0; k < kVaryings; ++k) v.value[k] = 0.1f + float((int(x + y) + k) % 5) * 0.2f;
    return v;
  };
  std::vector<RasterVertex> vertices;
  for (int pass = 0; pass < 2; ++pass)
    for (float y = 0.5f; y + 3 < height / 2; y += 3)
      for (float x = 0.5f; x + 20 < width; x += 20) {
        const RasterVertex a = at(x, y), b = at(x + 20, y), c = at(x, y + 3), d = at(x + 20, y + 3);
        vertices.insert(vertices.end(), {a, b, c, b, d, c});
      }
  return vertices;
}

Canvas filled(int lanes, const Look& look, int factor) {
  EXPECT_EQ(lanes, useFillLanes(lanes));
  std::vector<uint8_t> pixels(17 * 13 * 3);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint8_t(i * 37 % 251);
  VtaTextureImage image{};
  vtaDescribeBgr24(&image, 17, 13, VTA_ROW_ALIGN_PACKED, pixels.data());
  SurfaceLook surface;
  if (look.picture) surface.picture = Picture::of(image);
  surface.tint = {0.9f, 0.8f, 0.6f};
  surface.alpha = look.alpha;
  surface.bilinear = look.bilinear;
  surface.perspective = look.perspective;
  Shadows shadows;
  if (look.shadows) {
    LightRig rig;
    rig.lights.resize(1);
    rig.lights[0].castsShadows = true;
    shadows.prepare(rig, {square(1, 1)}, 80, true);
    EXPECT_TRUE(shadows.active());
  }
  Canvas canvas;
  canvas.reset(45, 29, factor);  // widths that leave lanes over at a row's end
  std::fill(canvas.colour.begin(), canvas.colour.end(), Vec3{0.1f, 0.2f, 0.3f});
  canvas.clearDepth();
  AbortPoll never(nullptr);
  std::vector<RasterVertex> v = randomTriangles(300, canvas.width, canvas.height);
  const std::vector<RasterVertex> grid = gridTriangles(canvas.width, canvas.height);
  v.insert(v.end(), grid.begin(), grid.end());
  for (size_t t = 0; t < v.size(); t += 3)
    fillTriangle(canvas, &v[t], surface, t % 2 == 0, shadows, never);
  return canvas;
}

// The filler draws the same bits four samples at a time as eight at a
// time: random triangles (crossing the canvas's edges, seen edge-on, huge)
// and a mesh's neighbours in every kind of look, with and without
// antialiasing.
TEST(FillLanesTest, EightLanesDrawTheBitsOfFour) {
  if (useFillLanes(0) != 8) GTEST_SKIP() << "this processor has no AVX2";
  for (const Look& look : kLooks)
    for (int factor : {1, Canvas::kMaxFactor}) {
      SCOPED_TRACE(std::string(look.name) + (factor == 1 ? "" : ", antialiased"));
      const Canvas four = filled(4, look, factor), eight = filled(8, look, factor);
      EXPECT_EQ(0, std::memcmp(four.colour.data(), eight.colour.data(),
                               four.colour.size() * sizeof(Vec3)));
      EXPECT_EQ(0, std::memcmp(four.nearness.data(), eight.nearness.data(),
                               four.nearness.size() * sizeof(float)));
      // The triangles did draw.
      EXPECT_GT(
          std::count_if(four.nearness.begin(), four.nearness.end(), [](float n) { return n > 0; }),
          int(four.nearness.size() / 2));
    }
  useFillLanes(0);
}

}  // namespace
}  // namespace rnd
