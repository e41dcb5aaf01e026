// The typed setups against payload bytes placed by hand at the offsets
// docs/scene.md gives: each reads what the bytes mean, and storing the setup
// into a fresh component writes the same payload back.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "component_test_support.h"
#include "model/components/camera_fields.h"
#include "model/components/light_fields.h"
#include "model/components/object_fields.h"
#include "model/components/surface_fields.h"

namespace vta::test {
namespace {

template <class T>
void put(std::vector<uint8_t>& bytes, size_t offset, T value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// The payload of a new component of Kind, to place values in.
template <class Kind>
std::vector<uint8_t> blankPayload() {
  return Payload(*make<Kind>()).bytes();
}

// Stores setup into a new component of Kind and returns its payload.
template <class Kind, class Setup, class Store>
std::vector<uint8_t> storedPayload(const Setup& setup, Store store) {
  auto component = make<Kind>();
  store(*component, setup);
  return Payload(*component).bytes();
}

TEST(SceneFields, CameraSetupReadsAndWritesItsBytes) {
  std::vector<uint8_t> bytes = blankPayload<CameraComponent>();
  ASSERT_EQ(100u, bytes.size());  // motion at 16, a 12- and a 16-byte block at 72 and 84
  put(bytes, 16 + 12, 3.0f);      // placement: position z
  put(bytes, 72, 60.0f);          // field of view
  put(bytes, 80, 50.0f);          // far
  put(bytes, 84, ColourRgb{0.1f, 0.2f, 0.3f});
  put(bytes, 96, 0.4f);  // ambient
  auto camera = readBack<CameraComponent>(CameraComponent::kTag, bytes);
  ASSERT_TRUE(camera);

  const CameraSetup setup = cameraSetup(*camera);
  EXPECT_EQ(setup.placement.positionZ, 3.0f);
  EXPECT_EQ(setup.fieldOfViewInUse(), 60.0f);
  EXPECT_EQ(setup.nearClipInUse(), 0.05f);
  EXPECT_EQ(setup.farClipInUse(), 50.0f);
  EXPECT_EQ(setup.background.blue, 0.3f);
  EXPECT_EQ(setup.ambient, 0.4f);
  EXPECT_EQ(storedPayload<CameraComponent>(setup, storeCameraSetup), bytes);
}

TEST(SceneFields, LightSetupReadsAndWritesItsBytes) {
  std::vector<uint8_t> bytes = blankPayload<LightComponent>();
  put<uint16_t>(bytes, 16, 3);  // spot
  put(bytes, 18, ColourRgb{0.25f, 0.5f, 1.0f});
  put(bytes, 30, 2.0f);          // intensity
  put(bytes, 34 + 20, 90.0f);    // placement: rotation about y
  put(bytes, 90, 30.0f);         // cone angle
  put(bytes, 94, 4.0f);          // range
  put<uint32_t>(bytes, 102, 1);  // casts shadows
  auto light = readBack<LightComponent>(LightComponent::kTag, bytes);
  ASSERT_TRUE(light);

  const LightSetup setup = lightSetup(*light);
  EXPECT_EQ(setup.kind, LightKind::kSpot);
  EXPECT_EQ(setup.colour.green, 0.5f);
  EXPECT_EQ(setup.intensity, 2.0f);
  EXPECT_EQ(setup.placement.rotationY, 90.0f);
  EXPECT_EQ(setup.coneAngle, 30.0f);
  EXPECT_EQ(setup.range, 4.0f);
  EXPECT_TRUE(setup.castsShadows);
  EXPECT_FALSE(setup.followsLightDirection);
  EXPECT_EQ(storedPayload<LightComponent>(setup, storeLightSetup), bytes);
  light->lightWord = 9;
  EXPECT_EQ(lightSetup(*light).kind, LightKind::kDirectional) << "an unknown kind";
}

// An object without points: motion at 20, settings at 80, pivot at 88 and
// the grid's columns and rows at 112 and 114.
TEST(SceneFields, ObjectSetupReadsAndWritesItsBytes) {
  std::vector<uint8_t> bytes = blankPayload<ObjectComponent>();
  put(bytes, 20 + 4, -0.5f);    // placement: position x
  put<uint16_t>(bytes, 80, 1);  // double-sided
  put<uint16_t>(bytes, 82, 2);  // back shows video source 2
  put(bytes, 88, ObjectPoint{0.5f, -1.0f, 0.25f});
  put<uint16_t>(bytes, 112, 5);  // columns
  auto object = readBack<ObjectComponent>(ObjectComponent::kTag, bytes);
  ASSERT_TRUE(object);

  const ObjectSetup setup = objectSetup(*object);
  EXPECT_EQ(setup.columns, 5);
  EXPECT_EQ(setup.rows, 0) << "no points, no rows";
  EXPECT_EQ(setup.placement.positionX, -0.5f);
  EXPECT_EQ(setup.pivot.y, -1.0f);
  EXPECT_TRUE(setup.doubleSided);
  EXPECT_EQ(setup.backSource, 2);
  EXPECT_EQ(storedPayload<ObjectComponent>(setup, storeObjectSetup), bytes);
}

TEST(SceneFields, SurfaceSetupReadsAndWritesItsBytesAndZerosStandForTheDefaults) {
  std::vector<uint8_t> bytes = blankPayload<SurfaceComponent>();
  put<uint16_t>(bytes, 16, 1);  // a video source
  put<uint16_t>(bytes, 18, 2);  // entry 2: source 3
  put(bytes, 20, ColourRgba{1.0f, 0.5f, 0.25f, 0.75f});
  put(bytes, 36, MapArea{0.0f, 0.0f, 0.5f, 1.0f});
  put(bytes, 68, 2.0f);          // brightness
  put<uint32_t>(bytes, 352, 1);  // screen-mapped
  auto surface = readBack<SurfaceComponent>(SurfaceComponent::kTag, bytes);
  ASSERT_TRUE(surface);

  const SurfaceSetup setup = surfaceSetup(*surface);
  EXPECT_TRUE(setup.showsVideoSource());
  EXPECT_EQ(setup.videoSource(), 3u);
  EXPECT_EQ(setup.colourInUse().alpha, 0.75f);
  EXPECT_EQ(setup.mapAreaInUse().u1, 0.5f);
  EXPECT_EQ(setup.brightnessInUse(), 2.0f);
  EXPECT_TRUE(setup.screenMapped);
  EXPECT_EQ(storedPayload<SurfaceComponent>(setup, storeSurfaceSetup), bytes);

  const SurfaceSetup zeros = surfaceSetup(*make<SurfaceComponent>());
  EXPECT_FALSE(zeros.showsVideoSource());
  EXPECT_EQ(zeros.colourInUse().alpha, 1.0f);
  EXPECT_EQ(zeros.colourInUse().red, 1.0f);
  EXPECT_EQ(zeros.mapAreaInUse().v1, 1.0f);
  EXPECT_EQ(zeros.brightnessInUse(), 1.0f);
  const CameraSetup zeroCamera = cameraSetup(*make<CameraComponent>());
  EXPECT_EQ(zeroCamera.fieldOfViewInUse(), 45.0f);
  EXPECT_EQ(zeroCamera.farClipInUse(), 100.0f);
}

}  // namespace
}  // namespace vta::test
