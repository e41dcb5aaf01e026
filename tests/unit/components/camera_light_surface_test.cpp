#include <cstring>

#include <gtest/gtest.h>

#include "component_test_support.h"
#include "model/components/camera.h"
#include "model/components/light.h"

namespace vta::test {
namespace {

Owned<CameraComponent> patternedCamera() {
  auto camera = make<CameraComponent>();
  uint32_t words[kMotionWords];
  for (int i = 0; i < kMotionWords; ++i) words[i] = 1000u + i;
  camera->setMotion(words);
  fillPattern(camera->block12, sizeof camera->block12, 100);
  fillPattern(camera->block16, sizeof camera->block16, 150);
  return camera;
}

Owned<LightComponent> patternedLight() {
  auto light = make<LightComponent>();
  light->lightWord = 0x1234;
  fillPattern(light->block16, sizeof light->block16, 10);
  fillPattern(light->motion, sizeof light->motion, 40);
  fillPattern(light->block12, sizeof light->block12, 120);
  light->firstValue = 0xA1B2C3D4u;
  light->secondValue = 0x01020304u;
  return light;
}

// Compare sees every block.
TEST(CameraComponent, RoundTripsAndClonesWithoutTheLinkButRefusesShortOrOtherPayloads) {
  auto camera = patternedCamera();
  expectRoundTrip(*camera);
  camera->link = camera.get();
  auto cloned = expectCloneWritesTheSame(*camera);
  ASSERT_TRUE(cloned);
  EXPECT_EQ(cloned->link, nullptr);
  EXPECT_EQ(cloned->linkId, test::kLinkId);
  uint32_t motion[kMotionWords] = {};
  cloned->getMotion(motion);
  EXPECT_EQ(motion[13], 1013u);
  expectEachChangeSeen(
      *camera, [](auto& c) { c.motion[13] ^= 1; }, [](auto& c) { c.block12[11] ^= 1; },
      [](auto& c) { c.block16[15] ^= 1; });

  Payload payload(*camera);
  auto target = make<CameraComponent>();
  EXPECT_EQ(target->readChunk(CameraComponent::kTag, 99, payload.data), 0);
  EXPECT_EQ(target->readChunk(LightComponent::kTag, payload.length, payload.data), 0);
  EXPECT_EQ(target->motion[0], 0u) << "a short or other payload is refused";
  EXPECT_EQ(target->readChunk(CameraComponent::kTag, payload.length, payload.data), 1);
  EXPECT_EQ(target->compare(camera.get()), 0);
}

TEST(LightComponent, PayloadHoldsFieldsAtTheirOffsetsAndRoundTrips) {
  auto light = patternedLight();
  Payload payload(*light);
  ASSERT_EQ(payload.result, 1);
  EXPECT_EQ(payload.tag, LightComponent::kTag);
  ASSERT_EQ(payload.length, 110u);
  EXPECT_EQ(payload.u16(16), 0x1234);
  EXPECT_TRUE(payload.bytesAt(18, light->block16, 16));
  EXPECT_TRUE(payload.bytesAt(34, light->motion, 56));
  EXPECT_TRUE(payload.bytesAt(90, light->block12, 12));
  EXPECT_EQ(payload.u32(102), 0xA1B2C3D4u);
  EXPECT_EQ(payload.u32(106), 0x01020304u);
  expectRoundTrip(*light);
  expectCloneWritesTheSame(*light);
}

TEST(LightComponent, CompareSeesOnlyWordBlockAndMotionStart) {
  auto light = patternedLight();
  auto other = test::cloneOf(*light);
  other->motion[4] ^= 1;  // byte 16 of the motion block
  other->motion[13] ^= 1;
  other->block12[0] ^= 1;
  other->firstValue = 0;
  other->secondValue = 0;
  EXPECT_EQ(light->compare(other.get()), 0);

  other->motion[3] ^= 1;  // bytes 12 to 15
  EXPECT_EQ(light->compare(other.get()), 1);
  other->motion[3] ^= 1;
  other->block16[15] ^= 1;
  EXPECT_EQ(light->compare(other.get()), 1);
  other->block16[15] ^= 1;
  other->lightWord = 0;
  EXPECT_EQ(light->compare(other.get()), 1);
  EXPECT_EQ(light->compare(make<CameraComponent>().get()), 1);
  EXPECT_EQ(light->compare(nullptr), 1);
}

}  // namespace
}  // namespace vta::test
