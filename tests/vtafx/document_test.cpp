// Documents: JSON text written and read, values checked against their range,
// and the authoring forms of objects; the scene model's geometry as the tool
// draws it (icons).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "component_json.h"
#include "json.h"
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

std::string parseError(const std::string& text) {
  Json out;
  std::string error;
  EXPECT_FALSE(parseJson(text, out, error)) << text;
  return error;
}

uint32_t bitsOf(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

TEST(Json, DocumentsSurviveWritingAndReadingWithBytesAndEscapes) {
  Json doc = Json::object();
  doc.add("text", Json::string(std::string("a\"b\\c\n\x01\xe9", 7)))
      .add("list", Json::array().push(jsonUint(1)).push(Json()).push(Json::boolean(false)))
      .add("nested", Json::object().add("x", Json::array()));
  const Json back = parsedJson(writeJson(doc));
  EXPECT_EQ(std::string("a\"b\\c\n\x01\xe9", 7), back.find("text")->text());
  ASSERT_EQ(3u, back.find("list")->items().size());
  EXPECT_TRUE(back.find("list")->items()[1].isNull());
  EXPECT_EQ(writeJson(doc), writeJson(back));
}

TEST(Json, MalformedDocumentsAreRefusedWithTheirOffset) {
  EXPECT_NE(std::string::npos, parseError("{\"a\": 1,}").find("at byte 8"));
  parseError("[1 2]");
  parseError("\"unterminated");
  parseError("\"\\u0100\"");  // strings hold bytes only
  parseError("01x");
  parseError("-");
  parseError("{} {}");
  parseError("");
  parseError("[\"tab\there\"]");
}

TEST(Json, NestingDeeperThanTheLimitIsRefusedWithoutRecursingFurther) {
  const std::string deep(static_cast<size_t>(kMaxJsonDepth) + 2, '[');
  EXPECT_NE(std::string::npos, parseError(deep).find("nesting too deep"));
  const std::string ok = std::string(10, '[') + std::string(10, ']');
  parsedJson(ok);
}

TEST(JsonAccess, FloatsRoundTripBitForBitIncludingSpecialValues) {
  const float values[] = {0.1f,     -0.0f,         1e-45f,    3.4028235e38f,
                          0.3f * 7, std::nanf(""), -INFINITY, 123456789.0f};
  for (float v : values) {
    const Json text = parsedJson(writeJson(Json::array().push(jsonF32(v))));
    EXPECT_EQ(bitsOf(v), bitsOf(readF32(text.items()[0], "v"))) << writeJson(jsonF32(v));
  }
}

TEST(JsonAccess, PercentTimesAreMadeAsTheEditorsMakeThem) {
  EXPECT_EQ(bitsOf(35 * 0.01f), bitsOf(readTime(Json::string("35%"), "t")));
  EXPECT_THROW(readTime(Json::string("3.5%"), "t"), BuildError);
  EXPECT_THROW(readTime(Json::string("%"), "t"), BuildError);
}

TEST(JsonAccess, WholeNumbersAndHexAreCheckedAgainstTheirRange) {
  EXPECT_EQ(65535u, readUint(Json::number("65535"), "n", 0xFFFF));
  EXPECT_THROW(readUint(Json::number("65536"), "n", 0xFFFF), BuildError);
  EXPECT_THROW(readUint(Json::number("-1"), "n"), BuildError);
  EXPECT_THROW(readUint(Json::number("1.5"), "n"), BuildError);
  EXPECT_THROW(readUint(Json::number("99999999999999999999999"), "n"), BuildError);
  EXPECT_EQ((std::vector<uint8_t>{0x0f, 0xa0}), readHex(Json::string("0fA0"), "h", 2));
  EXPECT_THROW(readHex(Json::string("0fa"), "h", 2), BuildError);
  EXPECT_THROW(readHex(Json::string("0fa011"), "h", 2), BuildError);
  EXPECT_THROW(readHex(Json::string("zz"), "h", 2), BuildError);
  EXPECT_THROW(readHex(Json::string("-1"), "h", 2), BuildError);
}

constexpr float kNear = 1e-5f;

const vta::ObjectComponent& asObject(const ComponentPtr& c) {
  return static_cast<const vta::ObjectComponent&>(*c);
}

template <class Point>
void expectNear(Vec3 expected, const Point& v) {
  EXPECT_NEAR(expected.x, v.x, kNear);
  EXPECT_NEAR(expected.y, v.y, kNear);
  EXPECT_NEAR(expected.z, v.z, kNear);
}

vta::PathKey turned(float x, float y, float z, float scale = 1) {
  vta::PathKey key{};
  key.scaleX = key.scaleY = key.scaleZ = scale;
  key.rotationX = x;
  key.rotationY = y;
  key.rotationZ = z;
  return key;
}

TEST(Placement, RotationsTurnCounterClockwiseAboutThePivotThenMove) {
  expectNear({0, 0, -1}, placePoint({1, 0, 0}, {0, 0, 0}, turned(0, 90, 0)));  // seen from +y
  expectNear({0, 1, 0}, placePoint({1, 0, 0}, {0, 0, 0}, turned(0, 0, 90)));   // seen from +z
  expectNear({0, 0, 1}, placePoint({0, 1, 0}, {0, 0, 0}, turned(90, 0, 0)));   // seen from +x
}

TEST(Placement, ScaleAndRotationKeepThePivotInPlace) {
  vta::PathKey key = turned(0, -90, 0, 2);
  key.positionX = 3;
  // The hinge only moves by the position; a point 2 units from it turns
  // toward +z, its distance doubled.
  expectNear({2, 0, 0}, placePoint({-1, 0, 0}, {-1, 0, 0}, key));
  expectNear({2, 0, 4}, placePoint({1, 0, 0}, {-1, 0, 0}, key));
}

// Points at x = -1, 0 and pi / 2 morphed into one shape over two frames.
std::vector<vta::ObjectPoint> morphed(const char* morphs, float position) {
  const ComponentPtr object = componentFromJson(
      parsedJson(
          std::string(
              R"({"id": 1, "columns": 3, "rows": 1, "morphFrames": 2, "points": [[-1, 0, 0], [0, 0, 0], [1.5707963, 0, 0]], "morphs": )") +
          morphs + "}"),
      vta::kObjects);
  return morphedPoints(asObject(object), position);
}

TEST(Morph, CurlRollsPointsPastTheAxisOntoACylinder) {
  const auto points = morphed(R"([{"entries": [{"deform": 1, "amount": 1, "parameter": 0}]}])", 2);
  expectNear({-1, 0, 0}, points[0]);  // before the axis: unmoved
  expectNear({0, 0, 0}, points[1]);
  expectNear({1, 0, 1}, points[2]);  // a quarter turn round a radius-1 cylinder
}

TEST(Morph, FoldTurnsTowardTheViewerAndPositionsBlendBetweenShapesPlainOrEased) {
  const char* fold = R"([{"entries": [{"deform": 2, "amount": 90, "parameter": 0}]}])";
  const char* eased =
      R"([{"easing": 1, "entries": [{"deform": 2, "amount": 90, "parameter": 0}]}])";
  const struct {
    const char* morphs;
    float position, share;
  } cases[] = {{fold, 2, 1}, {fold, 1, 0.5f}, {fold, 0, 0}, {eased, 0.5f, 0.15625f}};
  // A quarter of the way eased: 3f^2 - 2f^3 = 0.15625 of the fold.
  for (const auto& c : cases)
    EXPECT_NEAR(1.5707963f * c.share, morphed(c.morphs, c.position)[2].z, 1e-4f) << c.position;
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
