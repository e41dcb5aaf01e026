#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "component_test_support.h"
#include "model/components/surface.h"

namespace vta::test {
namespace {

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
