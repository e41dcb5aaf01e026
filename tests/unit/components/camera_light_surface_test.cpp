// Camera, light and surface components: their payloads, round trips, clones
// and compares.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "component_test_support.h"
#include "model/components/camera.h"
#include "model/components/light.h"
#include "model/components/surface.h"

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

Owned<SurfaceComponent> patternedSurface() {
  auto surface = make<SurfaceComponent>();
  surface->mappingKind = 2;
  surface->objectIndex = 9;
  fillPattern(surface->blocks, sizeof surface->blocks, 1);
  surface->amount = 0.5f;
  fillPattern(surface->fourthBlock, sizeof surface->fourthBlock, 60);
  std::strcpy(surface->mapFile, "Marble.TGA");
  surface->frameOffset = 12.5f;
  surface->runtimeWord = 0xDEADBEEFu;
  surface->mapWord = 0x00C0FFEEu;
  fillPattern(surface->vectors, sizeof surface->vectors, 90);
  surface->lastWord = 0xBEEF;
  return surface;
}

TEST(SurfaceComponent, PayloadHoldsFieldsAtTheirOffsetsAndRoundTripsWithTheRuntimeWord) {
  auto surface = patternedSurface();
  Payload payload(*surface);
  ASSERT_EQ(payload.result, 1);
  EXPECT_EQ(payload.tag, SurfaceComponent::kTag);
  ASSERT_EQ(payload.length, 382u);
  EXPECT_EQ(payload.u16(16), 2);
  EXPECT_EQ(payload.u16(18), 9);
  EXPECT_TRUE(payload.bytesAt(20, surface->blocks[0], 16));
  EXPECT_TRUE(payload.bytesAt(36, surface->blocks[1], 16));
  EXPECT_TRUE(payload.bytesAt(52, surface->blocks[2], 16));
  EXPECT_EQ(payload.f32(68), 0.5f);
  EXPECT_TRUE(payload.bytesAt(72, surface->fourthBlock, 16));
  EXPECT_TRUE(payload.bytesAt(88, "Marble.TGA", 11));
  for (size_t i = 88 + 11; i < 344; ++i) ASSERT_EQ(payload.data[i], 0) << i;
  EXPECT_EQ(payload.f32(344), 12.5f);
  EXPECT_EQ(payload.u32(348), 0xDEADBEEFu);
  EXPECT_EQ(payload.u32(352), 0x00C0FFEEu);
  EXPECT_TRUE(payload.bytesAt(356, surface->vectors[0], 12));
  EXPECT_TRUE(payload.bytesAt(368, surface->vectors[1], 12));
  EXPECT_EQ(payload.u16(380), 0xBEEF);
  expectRoundTrip(*surface);
}

TEST(SurfaceComponent, RuntimeWordIsClearedByCloneAndIgnoredByCompareButEveryOtherFieldSeen) {
  auto surface = patternedSurface();
  auto cloned = test::cloneOf(*surface);
  ASSERT_TRUE(cloned);
  EXPECT_EQ(cloned->runtimeWord, 0u);
  EXPECT_EQ(cloned->mapWord, surface->mapWord);
  EXPECT_STREQ(cloned->mapFile, surface->mapFile);
  EXPECT_EQ(surface->compare(cloned.get()), 0);
  cloned->runtimeWord = 1;
  cloned->mapFile[200] = 'x';  // after the NUL: the name compares as text
  EXPECT_EQ(surface->compare(cloned.get()), 0);
  expectEachChangeSeen(
      *surface, [](auto& s) { s.mappingKind = 3; }, [](auto& s) { s.objectIndex = 0; },
      [](auto& s) { s.blocks[2][15] ^= 1; }, [](auto& s) { s.amount = 0.25f; },
      [](auto& s) { s.fourthBlock[0] ^= 1; }, [](auto& s) { s.mapFile[0] = 'm'; },
      [](auto& s) { s.frameOffset = 0.0f; }, [](auto& s) { s.mapWord = 0; },
      [](auto& s) { s.vectors[1][11] ^= 1; }, [](auto& s) { s.lastWord = 0; });
}

TEST(SurfaceComponent, MapFileWithoutNulIsCutToFitAndATruncatedPayloadIsRefused) {
  auto surface = patternedSurface();
  Payload payload(*surface);
  std::vector<uint8_t> bytes = payload.bytes();
  std::memset(bytes.data() + 88, 'A', 256);
  auto copy = readBack<SurfaceComponent>(SurfaceComponent::kTag, bytes);
  ASSERT_TRUE(copy);
  EXPECT_EQ(std::string(copy->mapFile), std::string(255, 'A'));
  EXPECT_EQ(copy->frameOffset, 12.5f);

  auto target = make<SurfaceComponent>();
  std::strcpy(target->mapFile, "Kept");
  for (uint32_t length = 0; length < 382; ++length) {
    ASSERT_EQ(target->readChunk(SurfaceComponent::kTag, length, payload.data), 0) << length;
  }
  EXPECT_STREQ(target->mapFile, "Kept");
  EXPECT_EQ(target->mappingKind, 0);
  EXPECT_EQ(readBack<SurfaceComponent>(SurfaceComponent::kTag,
                                       std::vector<uint8_t>(payload.data, payload.data + 381)),
            nullptr);
}

}  // namespace
}  // namespace vta::test
