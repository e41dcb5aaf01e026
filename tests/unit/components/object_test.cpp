#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "component_test_support.h"
#include "model/components/component_arrays.h"
#include "model/components/object.h"

namespace vta::test {
namespace {

void setMorph(MorphRecord& morph, uint16_t entries, uint16_t seed) {
  morph.entryCount = entries;
  morph.recordWord = static_cast<uint16_t>(seed + 100);
  for (uint16_t i = 0; i < entries; ++i) {
    morph.entryWords[i] = static_cast<uint16_t>(seed + i);
    morph.entryFirstReals[i] = seed + i + 0.25f;
    morph.entrySecondReals[i] = seed + i + 0.5f;
  }
}

// Two points, a full morph record and one with two entries.
Owned<ObjectComponent> patternedObject() {
  auto object = make<ObjectComponent>();
  object->firstWord = 0x1111;
  object->secondWord = 0x2222;
  object->morphFrames = 4;
  object->pointCount = 2;
  object->points = allocateArray<ObjectPoint>(2);
  object->points[0] = {1.0f, 2.0f, 3.0f};
  object->points[1] = {-4.0f, 5.5f, 6.25f};
  object->morphCount = 2;
  object->morphs = allocateArray<MorphRecord>(2);
  setMorph(object->morphs[0], 4, 10);
  setMorph(object->morphs[1], 2, 20);
  fillPattern(object->motion, sizeof object->motion, 1);
  object->morphPosition = 1.5f;
  for (int i = 0; i < 4; ++i) object->settings[i] = static_cast<uint16_t>(0x300 + i);
  fillPattern(object->block12, sizeof object->block12, 200);
  object->fade = 0.75f;
  object->surfaceNumber = 3;
  return object;
}

bool sameShape(const ObjectComponent& a, const ObjectComponent& b) {
  if (a.pointCount != b.pointCount || a.morphCount != b.morphCount) return false;
  return std::memcmp(a.points, b.points, sizeof(ObjectPoint) * a.pointCount) == 0 &&
         std::memcmp(a.morphs, b.morphs, sizeof(MorphRecord) * a.morphCount) == 0;
}

TEST(ObjectComponent, PayloadLaysOutShapeThenSettings) {
  auto object = patternedObject();
  Payload payload(*object);
  ASSERT_EQ(payload.result, 1);
  EXPECT_EQ(payload.tag, ObjectComponent::kTag);
  ASSERT_EQ(payload.length, 120u + 12 * 2 + 44 * 2);
  EXPECT_EQ(payload.u32(16), 2u);
  EXPECT_EQ(payload.f32(20), 1.0f);
  EXPECT_EQ(payload.f32(40), 6.25f);
  EXPECT_EQ(payload.u32(44), 2u);
  // Full record: entry count, record word, then word and two reals per entry.
  EXPECT_EQ(payload.u16(48), 4);
  EXPECT_EQ(payload.u16(50), 110);
  EXPECT_EQ(payload.u16(52), 10);
  EXPECT_EQ(payload.f32(54), 10.25f);
  EXPECT_EQ(payload.f32(58), 10.5f);
  EXPECT_EQ(payload.u16(82), 13);
  // Second record, 4 + 10 x 2 bytes.
  EXPECT_EQ(payload.u16(92), 2);
  EXPECT_EQ(payload.u16(94), 120);
  EXPECT_EQ(payload.f32(108), 21.25f);
  EXPECT_EQ(payload.f32(112), 21.5f);
  EXPECT_TRUE(payload.bytesAt(116, object->motion, 56));
  EXPECT_EQ(payload.f32(172), 1.5f);
  EXPECT_EQ(payload.u16(176), 0x300);
  EXPECT_EQ(payload.u16(182), 0x303);
  EXPECT_TRUE(payload.bytesAt(184, object->block12, 12));
  EXPECT_EQ(payload.f32(196), 0.75f);
  EXPECT_EQ(payload.u32(200), 3u);
  EXPECT_EQ(payload.u32(204), 4u);  // morphFrames
  EXPECT_EQ(payload.u16(208), 0x1111);
  EXPECT_EQ(payload.u16(210), 0x2222);
  EXPECT_TRUE(payload.zerosFrom(212));
}

TEST(ObjectComponent, WithoutPointsWritesNoMorphsButDeclaresThem) {
  auto object = patternedObject();
  release(object->points);
  object->points = nullptr;
  object->pointCount = 0;
  object->morphCount = 2;
  Payload payload(*object);
  ASSERT_EQ(payload.length, 120u + 44 * 2);
  EXPECT_EQ(payload.u32(16), 0u);
  EXPECT_TRUE(payload.bytesAt(20, object->motion, 56));
  EXPECT_EQ(payload.u32(108), 4u);  // morphFrames
  EXPECT_EQ(payload.u16(114), 0x2222);
  EXPECT_TRUE(payload.zerosFrom(116));

  auto copy = readBack<ObjectComponent>(payload);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->pointCount, 0u);
  EXPECT_EQ(copy->morphCount, 0u);
  EXPECT_EQ(copy->morphs, nullptr);
  EXPECT_EQ(copy->morphFrames, 4u);
  EXPECT_EQ(copy->secondWord, 0x2222);
}

TEST(ObjectComponent, RoundTripAndCloneKeepPointsAndMorphsAndCompareSeesTheirCounts) {
  auto object = patternedObject();
  expectRoundTrip(*object);
  auto cloned = expectCloneWritesTheSame(*object);
  ASSERT_TRUE(cloned);
  EXPECT_NE(cloned->points, object->points);
  EXPECT_NE(cloned->morphs, object->morphs);
  // Compare sees the counts but not the arrays' contents.
  auto other = test::cloneOf(*object);
  other->points[0].x = 99.0f;
  other->morphs[0].entryWords[0] = 99;
  other->fade = 0.0f;
  other->surfaceNumber = 0;
  EXPECT_EQ(object->compare(other.get()), 0);

  expectEachChangeSeen(
      *object, [](auto& o) { o.pointCount = 1; }, [](auto& o) { o.morphCount = 1; },
      [](auto& o) { o.morphFrames = 5; }, [](auto& o) { o.firstWord = 0; },
      [](auto& o) { o.secondWord = 0; }, [](auto& o) { o.motion[13] ^= 1; });
  object.reset();
  EXPECT_EQ(cloned->points[1].z, 6.25f);
  EXPECT_EQ(cloned->morphs[1].entrySecondReals[1], 21.5f);
}

TEST(ObjectComponent, SetParameterClampsFadeAndMorphPosition) {
  auto object = make<ObjectComponent>();
  object->morphFrames = 4;
  object->setParameter(ObjectComponent::kFade, 1.5f);
  EXPECT_EQ(object->fade, 1.0f);
  object->setParameter(ObjectComponent::kFade, 0.25f);
  EXPECT_EQ(object->fade, 0.25f);
  object->setParameter(ObjectComponent::kFade, -0.5f);
  EXPECT_EQ(object->fade, 0.0f);
  object->setParameter(ObjectComponent::kMorphPosition, 7.0f);
  EXPECT_EQ(object->morphPosition, 4.0f);
  object->setParameter(ObjectComponent::kMorphPosition, 2.5f);
  EXPECT_EQ(object->morphPosition, 2.5f);
  object->setParameter(ObjectComponent::kMorphPosition, -1.0f);
  EXPECT_EQ(object->morphPosition, 0.0f);
  object->setParameter(2, 0.5f);
  EXPECT_EQ(object->fade, 0.0f);
  EXPECT_EQ(object->morphPosition, 0.0f);
}

class HostileObjectPayload : public ::testing::Test {
 protected:
  // Reads bytes into target and checks it was refused with nothing changed.
  void expectRefused(const std::vector<uint8_t>& bytes) {
    EXPECT_EQ(
        target->readChunk(ObjectComponent::kTag, static_cast<uint32_t>(bytes.size()), bytes.data()),
        0);
    EXPECT_EQ(target->compare(original.get()), 0);
    EXPECT_TRUE(sameShape(*target, *original));
    EXPECT_EQ(readBack<ObjectComponent>(ObjectComponent::kTag, bytes), nullptr);
  }

  Owned<ObjectComponent> original = patternedObject();
  Owned<ObjectComponent> target = test::cloneOf(*original);
  Payload valid{*original};
};

TEST_F(HostileObjectPayload, CountsBeyondThePayloadAreRefused) {
  std::vector<uint8_t> hugePoints = valid.bytesWith(16, 0x40000000u);
  hugePoints.resize(200);
  std::vector<uint8_t> onePointMore = valid.bytesWith(16, 3);  // two points are present
  onePointMore.resize(212);
  std::vector<uint8_t> fiveEntries = valid.bytes();
  fiveEntries[48] = 5;
  for (const auto& bytes :
       {hugePoints, onePointMore, valid.bytesWith(44, 0x10000002u), fiveEntries})
    expectRefused(bytes);
}

TEST_F(HostileObjectPayload, EveryTruncationIsRefusedAndAnAcceptedPayloadReplacesTheArrays) {
  // The written fields end at 212; the rest of the declared length is zeros.
  std::vector<uint8_t> bytes = valid.bytes();
  for (size_t length = 0; length < 212; ++length) {
    SCOPED_TRACE(length);
    expectRefused(std::vector<uint8_t>(bytes.begin(), bytes.begin() + length));
  }
  auto copy = readBack<ObjectComponent>(ObjectComponent::kTag,
                                        std::vector<uint8_t>(bytes.begin(), bytes.begin() + 212));
  ASSERT_TRUE(copy);
  EXPECT_TRUE(sameShape(*copy, *original));

  auto small = make<ObjectComponent>();
  Payload empty(*small);
  ASSERT_EQ(target->readChunk(empty.tag, empty.length, empty.data), 1);
  EXPECT_EQ(target->pointCount, 0u);
  EXPECT_EQ(target->points, nullptr);
  EXPECT_EQ(target->morphs, nullptr);
  EXPECT_EQ(target->readChunk(valid.tag, valid.length, valid.data), 1);
  EXPECT_TRUE(sameShape(*target, *original));
}

}  // namespace
}  // namespace vta::test
