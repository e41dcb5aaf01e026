// The path editor's views drawn by the renderer's core: the path's keys
// marked where each view's camera puts them, views that differ, cameras
// that look the ways the editor's drags assume, nothing drawn astray.

#include <cmath>
#include <cstdio>

#include "mapped_pictures.h"
#include "model/components/path.h"
#include "model/components/surface.h"
#include "model/components/surface_fields.h"
#include "path_overlay.h"
#include "path_view_fixture.h"

namespace rndtest {
namespace {

using rnd::CameraView;

constexpr uint32_t kWidth = 200, kHeight = 150;
constexpr uint32_t kShowAll = 3;  // scene and path

struct ViewCase {
  uint32_t view;
  const char* name;
};
const ViewCase kViews[] = {{rnd::kCameraView, "camera"},
                           {rnd::kSideView, "side"},
                           {rnd::kTopView, "top"},
                           {rnd::kPerspectiveView, "perspective"}};

std::array<uint8_t, 3> pixelAt(const vtafx::Picture& p, int x, int y) {
  const uint8_t* q = &p.rgb[(size_t(y) * p.width + x) * 3];
  return {q[0], q[1], q[2]};
}

size_t countOf(const vtafx::Picture& p, std::array<uint8_t, 3> colour) {
  size_t count = 0;
  for (uint32_t y = 0; y < p.height; ++y)
    for (uint32_t x = 0; x < p.width; ++x) count += pixelAt(p, int(x), int(y)) == colour;
  return count;
}

struct Spot {
  float x, y;
};

Spot spotOf(const CameraView& camera, rnd::Vec3 world) {
  Spot s{-1, -1};
  EXPECT_TRUE(rnd::projectToPixel(camera, world, kWidth, kHeight, s.x, s.y));
  return s;
}

TEST_F(PathViewTest, EveryViewMarksEachKeyWhereItsCameraPutsIt) {
  for (const ViewCase& v : kViews) {
    SCOPED_TRACE(v.name);
    VtaRenderJob job = viewJob(v.view | kShowAll, kWidth, kHeight, 50);
    CameraView camera;
    vtafx::Picture picture = draw(job, camera);
    keep(picture, std::string("path_view_") + v.name);
    rnd::PathTrace keys = trace(job);
    ASSERT_EQ(keys.keys.size(), 3u);
    ASSERT_EQ(keys.currentKey, 1);
    for (size_t k = 0; k < keys.keys.size(); ++k) {
      Spot s = spotOf(camera, keys.keys[k]);
      bool inside = s.x >= 0 && s.x < kWidth && s.y >= 0 && s.y < kHeight;
      // The effect's camera need not see the whole path; the others frame it.
      if (v.view == rnd::kCameraView && !inside) continue;
      ASSERT_TRUE(inside) << "key " << k;
      rnd::Vec3 colour = k == 1 ? rnd::kCurrentKeyColour : rnd::kKeyColour;
      EXPECT_EQ(pixelAt(picture, int(s.x), int(s.y)), bytesOf(colour)) << "key " << k;
    }
  }
}

TEST_F(PathViewTest, TheFourViewsDifferAndTopAndSideLookTheWaysTheDragsMoveKeys) {
  std::vector<vtafx::Picture> pictures;
  for (const ViewCase& v : kViews) {
    CameraView camera;
    pictures.push_back(draw(viewJob(v.view | kShowAll, kWidth, kHeight, 30), camera));
  }
  for (size_t a = 0; a < pictures.size(); ++a)
    for (size_t b = a + 1; b < pictures.size(); ++b)
      EXPECT_GT(meanDifference(pictures[a], pictures[b]), 0.5)
          << kViews[a].name << " " << kViews[b].name;

  // Top: x to the right, +z down the picture. Side: -z to the right, +y up.
  CameraView top, side;
  VtaRenderJob topJob = viewJob(rnd::kTopView | kShowAll, kWidth, kHeight, 0);
  draw(topJob, top);
  draw(viewJob(rnd::kSideView | kShowAll, kWidth, kHeight, 0), side);
  rnd::PathTrace keys = trace(topJob);
  // Key 1 lies at larger x, smaller z and larger y than key 2.
  Spot top1 = spotOf(top, keys.keys[1]), top2 = spotOf(top, keys.keys[2]);
  EXPECT_GT(top1.x, top2.x);
  EXPECT_LT(top1.y, top2.y);
  Spot side1 = spotOf(side, keys.keys[1]), side2 = spotOf(side, keys.keys[2]);
  EXPECT_GT(side1.x, side2.x);
  EXPECT_LT(side1.y, side2.y);
}

TEST_F(PathViewTest, WithoutThePathBitOrAPathOnlyTheSceneIsDrawn) {
  CameraView camera;
  VtaRenderJob job = viewJob(rnd::kTopView | 1, kWidth, kHeight, 50);
  vtafx::Picture picture = draw(job, camera);
  Spot s = spotOf(camera, trace(job).keys[1]);
  EXPECT_NE(pixelAt(picture, int(s.x), int(s.y)), bytesOf(rnd::kCurrentKeyColour));
  job = viewJob(rnd::kCameraView | kShowAll, kWidth, kHeight, 50);
  job.viewObject = 77;
  picture = draw(job, camera);
  EXPECT_TRUE(trace(job).keys.empty());
  EXPECT_EQ(countOf(picture, bytesOf(rnd::kPathLineColour)), 0u);
}

// Marks and line at the picture's edges are cut there: the last key lies
// left of the camera's picture, and a mark that ran over the left edge would
// show at the right end of the row above.
TEST_F(PathViewTest, MarksStayInsideThePicture) {
  constexpr int kW = 40, kH = 30;
  VtaRenderJob job = viewJob(rnd::kCameraView | kShowAll, kW, kH, 100);
  CameraView camera;
  vtafx::Picture picture = draw(job, camera);
  ASSERT_EQ(picture.rgb.size(), size_t{kW * kH * 3});
  rnd::PathTrace keys = trace(job);
  ASSERT_EQ(keys.currentKey, 2);
  float kx, ky;
  ASSERT_TRUE(rnd::projectToPixel(camera, keys.keys[2], kW, kH, kx, ky));
  ASSERT_LT(kx, 0.0f);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      if (pixelAt(picture, x, y) != bytesOf(rnd::kCurrentKeyColour)) continue;
      EXPECT_LE(x - std::floor(kx), rnd::kCurrentKeyMarkRadius) << x << "," << y;
    }
}

TEST_F(PathViewTest, DraggingDrawsALighterSceneAndKeepsTheFramingUntilAJobFramesItAnew) {
  CameraView camera;
  vtafx::Picture still = draw(viewJob(rnd::kPerspectiveView | 3, kWidth, kHeight, 20), camera);
  vtafx::Picture lighter = draw(viewJob(rnd::kPerspectiveView | 7, kWidth, kHeight, 20), camera);
  keep(lighter, "path_view_dragging");
  EXPECT_GT(meanDifference(still, lighter), 0.5);

  auto* path = static_cast<vta::PathComponent*>(record_.description.lists[vta::kPaths].head);
  CameraView framed, dragged, reframed;
  draw(viewJob(rnd::kTopView | kShowAll, kWidth, kHeight, 50), framed);
  path->keys[1].positionX = 9;
  draw(viewJob(rnd::kTopView | rnd::kViewDragging | kShowAll, kWidth, kHeight, 50), dragged);
  draw(viewJob(rnd::kTopView | rnd::kViewFrame | kShowAll, kWidth, kHeight, 50), reframed);
  EXPECT_EQ(framed.position.x, dragged.position.x);
  EXPECT_EQ(framed.position.y, dragged.position.y);
  EXPECT_NE(framed.position.x, reframed.position.x) << "framed again around the moved key";
}

// The views are drawn by the preview's renderer: a file mapped onto the
// object shows there too.
TEST_F(PathViewTest, ViewsShowTheFileMappedOntoTheObject) {
  vta::TempFolder folder;
  const std::string green = folder.file("green.bmp");
  ASSERT_TRUE(testpics::writeBytes(green, testpics::bmpFile(4, 4, {{0, 255, 0}, {0, 255, 0}})));
  const VtaRenderJob job = viewJob(rnd::kCameraView | kShowAll, kWidth, kHeight, 0);
  auto greenShare = [&] {
    CameraView camera;
    EXPECT_TRUE(context_.renderView(record_, job, camera));
    const vtafx::Picture picture = pictureOf(context_.viewImage());
    keep(picture, "path_view_mapped");
    return 1 - shareUnlike(picture, 0, 255, 0);
  };
  *record_.parameter(VTA_OBJECT_PARAM_INDEX(0, VTA_LUMINOSITY)) = 100;  // unlit: pure green
  const double unmapped = greenShare();
  auto* surface = vta::makeComponent<vta::SurfaceComponent>(uint16_t{1}, 0.0f, 1.0f, 0, 0);
  surface->mappingKind = static_cast<uint16_t>(vta::SurfaceMapping::kBitmapSequence);
  std::snprintf(surface->mapFile, sizeof surface->mapFile, "%s", green.c_str());
  record_.description.lists[vta::kSurfaces].append(surface);
  EXPECT_LT(unmapped, 0.02);
  EXPECT_GT(greenShare(), 0.1);
}

}  // namespace
}  // namespace rndtest
