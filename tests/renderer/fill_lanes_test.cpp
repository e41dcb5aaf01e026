// The triangle filler draws the same bits four samples at a time as eight
// at a time: random triangles (crossing the canvas's edges, seen edge-on,
// huge) and a mesh's neighbours in every kind of look, with and without
// antialiasing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "raster.h"

namespace rnd {
namespace {

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

ObjectMesh square(float z) {
  ObjectMesh m;
  m.columns = m.rows = 2;
  m.world = {{-0.5f, 0.5f, z}, {0.5f, 0.5f, z}, {-0.5f, -0.5f, z}, {0.5f, -0.5f, z}};
  return m;
}

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
    shadows.prepare(rig, {square(1)}, 80, true);
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
