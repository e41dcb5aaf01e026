// Path keys, windowed lookup, payloads, clone and compare.
#include <gtest/gtest.h>

#include "curve_test_support.h"

namespace vta {
namespace {

constexpr uint32_t kPth0 = 0x30485450;  // bytes 'P' 'T' 'H' '0'

std::vector<float> xsOf(const PathComponent& path) {
  std::vector<float> xs;
  for (uint32_t i = 0; i < path.keyCount; ++i) xs.push_back(path.keys[i].positionX);
  return xs;
}

TEST(PathKeys, FindAcceptsTimesWithinHalfAPercentAndPayloadsHaveTheDescribedLayout) {
  auto path = pathWith({pathKey(0.0f, 1), pathKey(0.5f, 2), pathKey(1.0f, 3)});
  PathKey found{};
  ASSERT_EQ(path->findKey(0.504f, found), 1);
  EXPECT_EQ(found.positionX, 2.0f);
  ASSERT_EQ(path->findKey(0.496f, found), 1);
  EXPECT_EQ(path->findKey(0.506f, found), 0);
  EXPECT_EQ(path->findKey(0.494f, found), 0);
  // Two keys in the window: the first in key order wins.
  auto close = pathWith({pathKey(0.498f, 7), pathKey(0.502f, 8)});
  ASSERT_EQ(close->findKey(0.501f, found), 1);
  EXPECT_EQ(found.positionX, 7.0f);

  // After the header every kind shares (see EnvelopePayload): the count and the keys.
  auto laidOut = pathWith({pathKey(0.0f, 1, 0, 0.5f), pathKey(1.0f, 2, 1)});
  Payload payload(*laidOut);
  EXPECT_EQ(payload.tag, kPth0);
  ASSERT_EQ(payload.length, 20u + 2 * 56);
  EXPECT_EQ(payload.u32(16), 2u);
  EXPECT_EQ(payload.f32(20 + 4), 1.0f);   // positionX
  EXPECT_EQ(payload.f32(20 + 36), 9.0f);  // scaleZ
  EXPECT_EQ(payload.f32(20 + 40), 0.5f);  // tension
  EXPECT_EQ(payload.u16(76 + 52), 1);     // linear of the second key
  auto other = Owned<PathComponent>(
      makeComponent<PathComponent>(uint16_t{40}, 0.0f, 1.0f, uint16_t{41}, uint16_t{0}));
  EXPECT_EQ(other->readChunk(kPth0, payload.length, payload.data), 1);
  EXPECT_EQ(other->id, 40);  // the header is not read
  EXPECT_EQ(other->linkId, 41);
  EXPECT_EQ(std::memcmp(other->keys, laidOut->keys, 2 * sizeof(PathKey)), 0);
}

TEST(PathPayload, ShortPayloadGivesOnlyItsWholeKeysAndOneWithoutCountNothing) {
  auto source = pathWith({pathKey(0.0f, 1), pathKey(0.5f, 2), pathKey(1.0f, 3)});
  std::vector<uint8_t> bytes = payloadOf(*source);
  bytes.resize(20 + 2 * 56 + 30);  // states three keys, holds two and a half
  auto path = newPath();
  EXPECT_EQ(path->readChunk(kPth0, static_cast<uint32_t>(bytes.size()), bytes.data()), 1);
  EXPECT_EQ(xsOf(*path), (std::vector<float>{1, 2}));
  bytes.resize(20 + 40);
  EXPECT_EQ(path->readChunk(kPth0, static_cast<uint32_t>(bytes.size()), bytes.data()), 1);
  EXPECT_EQ(path->keyCount, 0u);
  EXPECT_EQ(path->keys, nullptr);

  // A payload without a count or of another kind changes nothing.
  Owned<EffectComponent> before(source->clone());
  EXPECT_EQ(source->readChunk(kPth0, 19, bytes.data()), 0);
  EXPECT_EQ(source->readChunk(kPth0, 132, nullptr), 0);
  EXPECT_EQ(source->readChunk(0x30564E45 /* ENV0 */, 20, bytes.data()), 0);
  EXPECT_EQ(source->compare(before.get()), 0);
}

TEST(PathCompare, CloneIsEqualAndAnyKeyByteOrBaseFieldDiffers) {
  auto path = pathWith({pathKey(0.0f, 1), pathKey(1.0f, 2)});
  auto check = [&](auto change, int expected) {
    Owned<EffectComponent> copy(path->clone());
    ASSERT_NE(copy, nullptr);
    change(*static_cast<PathComponent*>(copy.get()));
    EXPECT_EQ(path->compare(copy.get()), expected);
  };
  check([](PathComponent&) {}, 0);
  check([](PathComponent& p) { p.keys[1].reserved = 1; }, 1);
  check([](PathComponent& p) { p.keys[0].rotationZ = 0.5f; }, 1);
  check([](PathComponent& p) { p.parentId = 0; }, 1);
  check([](PathComponent& p) { p.deleteKey(1.0f); }, 1);
  check(
      [](PathComponent& p) {
        EXPECT_EQ(p.link, nullptr);
        EXPECT_EQ(p.spanStart, 0.25f);
      },
      0);
  auto envelope = newEnvelope(path->id, path->linkId);
  envelope->spanStart = path->spanStart;
  envelope->spanEnd = path->spanEnd;
  envelope->parentId = path->parentId;
  EXPECT_EQ(path->compare(envelope.get()), 1);
}

}  // namespace
}  // namespace vta
