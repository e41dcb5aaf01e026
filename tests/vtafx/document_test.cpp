// The scene model's geometry as the tool draws it (icons) and the authoring
// forms of objects in documents.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "component_json.h"
#include "json_access.h"
#include "model/components/light.h"
#include "model/components/light_fields.h"
#include "model/components/object.h"
#include "model/components/object_fields.h"
#include "scene_geometry.h"
#include "scene_morph.h"
#include "tool_files.h"

namespace vtafx {
namespace {

constexpr float kNear = 1e-5f;

const vta::ObjectComponent& asObject(const ComponentPtr& c) {
  return static_cast<const vta::ObjectComponent&>(*c);
}

TEST(Placement, RotationsTurnCounterClockwiseAboutThePivotThenMove) {
  vta::PathKey key{};
  key.scaleX = key.scaleY = key.scaleZ = 1;
  key.rotationY = 90;  // seen from +y: +x turns toward -z
  Vec3 v = placePoint({1, 0, 0}, {0, 0, 0}, key);
  EXPECT_NEAR(0, v.x, kNear);
  EXPECT_NEAR(-1, v.z, kNear);
  key.rotationY = 0;
  key.rotationZ = 90;  // seen from +z: +x turns toward +y
  v = placePoint({1, 0, 0}, {0, 0, 0}, key);
  EXPECT_NEAR(1, v.y, kNear);
  key.rotationZ = 0;
  key.rotationX = 90;  // seen from +x: +y turns toward +z
  v = placePoint({0, 1, 0}, {0, 0, 0}, key);
  EXPECT_NEAR(1, v.z, kNear);
}

TEST(Placement, ScaleAndRotationKeepThePivotInPlace) {
  vta::PathKey key{};
  key.scaleX = key.scaleY = key.scaleZ = 2;
  key.rotationY = -90;
  key.positionX = 3;
  const Vec3 pivot = placePoint({-1, 0, 0}, {-1, 0, 0}, key);
  EXPECT_NEAR(2, pivot.x, kNear);  // the hinge only moves by the position
  const Vec3 edge = placePoint({1, 0, 0}, {-1, 0, 0}, key);
  EXPECT_NEAR(2, edge.x, kNear);
  EXPECT_NEAR(4, edge.z, kNear);  // 2 units from the hinge, doubled, toward +z
}

ComponentPtr morphingObject(const char* morphs) {
  return componentFromJson(
      parsedJson(
          std::string(
              R"({"id": 1, "columns": 3, "rows": 1, "morphFrames": 2, "points": [[-1, 0, 0], [0, 0, 0], [1.5707963, 0, 0]], "morphs": )") +
          morphs + "}"),
      vta::kObjects);
}

TEST(Morph, CurlRollsPointsPastTheAxisOntoACylinder) {
  const ComponentPtr object =
      morphingObject(R"([{"entries": [{"deform": 1, "amount": 1, "parameter": 0}]}])");
  const auto points = morphedPoints(asObject(object), 2);  // fully the first shape
  EXPECT_NEAR(-1, points[0].x, kNear);                     // before the axis: unmoved
  EXPECT_NEAR(0, points[1].z, kNear);
  EXPECT_NEAR(1, points[2].x, kNear);  // a quarter turn round a radius-1 cylinder
  EXPECT_NEAR(1, points[2].z, kNear);
}

TEST(Morph, FoldTurnsTowardTheViewerAndPositionsBlendBetweenShapes) {
  const ComponentPtr object =
      morphingObject(R"([{"entries": [{"deform": 2, "amount": 90, "parameter": 0}]}])");
  EXPECT_NEAR(1.5707963f, morphedPoints(asObject(object), 2)[2].z, 1e-4f);
  EXPECT_NEAR(1.5707963f / 2, morphedPoints(asObject(object), 1)[2].z, 1e-4f);
  EXPECT_NEAR(0, morphedPoints(asObject(object), 0)[2].z, kNear);
}

TEST(Morph, EasedShapesBlendAlongASmoothStep) {
  const ComponentPtr object = morphingObject(
      R"([{"easing": 1, "entries": [{"deform": 2, "amount": 90, "parameter": 0}]}])");
  // A quarter of the way: 3f^2 - 2f^3 = 0.15625 of the fold.
  EXPECT_NEAR(1.5707963f * 0.15625f, morphedPoints(asObject(object), 0.5f)[2].z, 1e-4f);
}

TEST(ObjectDocument, GridWithoutPointsCoversTheFrameFromTheTopLeft) {
  const ComponentPtr object =
      componentFromJson(parsedJson(R"({"id": 4, "columns": 3, "rows": 2})"), vta::kObjects);
  const auto& o = asObject(object);
  ASSERT_EQ(6u, o.pointCount);
  EXPECT_EQ(2, vta::objectSetup(o).rows) << "the points give the rows";
  EXPECT_EQ(0, o.secondWord) << "the path editor may shape it";
  EXPECT_EQ(-1.0f, o.points[0].x);
  EXPECT_EQ(1.0f, o.points[0].y);
  EXPECT_EQ(0.0f, o.points[1].x);
  EXPECT_EQ(1.0f, o.points[5].x);
  EXPECT_EQ(-1.0f, o.points[5].y);
  float scale[3];
  std::memcpy(scale, &o.motion[7], sizeof scale);  // a missing placement rests at scale 1
  EXPECT_EQ(1.0f, scale[0]);
}

TEST(ObjectDocument, FaultsAreRefused) {
  const std::pair<const char*, vta::ComponentKind> faults[] = {
      {R"({"id": 1, "morphs": [{"entries": []}]})", vta::kObjects},
      {R"({"id": 1, "columns": 65535, "rows": 65535})", vta::kObjects},
      {R"({"id": 1, "points": [[1, 2]]})", vta::kObjects},
      {R"({"id": 1, "pivot": [0, 0]})", vta::kObjects},
      {R"({"link": 2})", vta::kCameras},
      {R"({"id": 1, "mapFile": 7})", vta::kSurfaces},
      {R"({"id": 1, "reserved1": "00"})", vta::kSurfaces},
  };
  for (const auto& [text, kind] : faults)
    EXPECT_THROW(componentFromJson(parsedJson(text), kind), BuildError) << text;
}

// Where each field lies in the payload is SceneFields in tests/unit/components.
TEST(ObjectDocument, NamedFieldsSetTheirValues) {
  const ComponentPtr light = componentFromJson(
      parsedJson(
          R"({"id": 5, "lightKind": 3, "colour": [1, 0.5, 0.25], "intensity": 2, "coneAngle": 40, "castsShadows": 1})"),
      vta::kLights);
  const vta::LightSetup setup = vta::lightSetup(static_cast<const vta::LightComponent&>(*light));
  EXPECT_EQ(vta::LightKind::kSpot, setup.kind);
  EXPECT_EQ(0.5f, setup.colour.green);
  EXPECT_EQ(2.0f, setup.intensity);
  EXPECT_EQ(40.0f, setup.coneAngle);
  EXPECT_TRUE(setup.castsShadows);
}

}  // namespace
}  // namespace vtafx
