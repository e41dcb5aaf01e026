#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "component_test_support.h"
#include "model/components/envelope.h"
#include "model/components/camera.h"
#include "model/components/component_factory.h"
#include "model/components/light.h"
#include "model/components/object.h"
#include "model/components/surface.h"
#include "model/components/warp.h"
#include "model/effect_description.h"
#include "model/components/path.h"
#include "platform/chunk_file.h"
#include "settings_sandbox.h"

namespace vta::test {
namespace {

constexpr uint32_t kMagic = fourCC("VTAT");

// Writes a component of Kind and rebuilds it through the factory.
template <class Kind>
void expectBuiltAs(ComponentKind expectedKind) {
  auto original = test::make<Kind>();
  Payload payload(*original);
  ASSERT_EQ(payload.result, 1);
  EXPECT_TRUE(isComponentTag(payload.tag));
  ComponentKind kind = kComponentKindCount;
  EffectComponent* built =
      createComponentFromChunk(payload.tag, payload.length, payload.data, &kind);
  ASSERT_NE(built, nullptr);
  EXPECT_NE(dynamic_cast<Kind*>(built), nullptr);
  EXPECT_EQ(kind, expectedKind);
  EXPECT_EQ(built->id, test::kId);
  EXPECT_EQ(built->spanStart, test::kSpanStart);
  EXPECT_EQ(built->spanEnd, test::kSpanEnd);
  EXPECT_EQ(built->linkId, test::kLinkId);
  EXPECT_EQ(built->parentId, test::kParentId);
  EXPECT_EQ(built->compare(original.get()), 0);
  built->destroy(true);
}

class ComponentFactory : public ::testing::Test {
 protected:
  SettingsSandbox sandbox;  // warps look for no plug-in
};

TEST_F(ComponentFactory, EachTagBuildsItsKind) {
  expectBuiltAs<CameraComponent>(kCameras);
  expectBuiltAs<LightComponent>(kLights);
  expectBuiltAs<ObjectComponent>(kObjects);
  expectBuiltAs<SurfaceComponent>(kSurfaces);
  expectBuiltAs<PathComponent>(kPaths);
  expectBuiltAs<EnvelopeComponent>(kEnvelopes);
  expectBuiltAs<WarpComponent>(kWarps);
}

TEST_F(ComponentFactory, UnknownTagsShortHeadersAndRefusedPayloadsGiveAndAddNothing) {
  Payload payload(*test::make<SurfaceComponent>());
  std::vector<uint8_t> bytes = payload.bytes();
  ComponentKind kind = kWarps;
  EXPECT_FALSE(isComponentTag(fourCC("CAM1")));
  EXPECT_EQ(createComponentFromChunk(fourCC("CAM1"), 382, bytes.data(), &kind), nullptr);
  EXPECT_EQ(kind, kWarps);
  EXPECT_EQ(createComponentFromChunk(SurfaceComponent::kTag, 15, bytes.data(), &kind), nullptr);
  EXPECT_EQ(createComponentFromChunk(SurfaceComponent::kTag, 382, nullptr, &kind), nullptr);
  EXPECT_EQ(kind, kWarps);
  EffectComponent* surface =
      createComponentFromChunk(SurfaceComponent::kTag, 382, bytes.data(), nullptr);
  ASSERT_NE(surface, nullptr);
  surface->destroy(true);

  EffectDescription description;
  Payload light(*test::make<LightComponent>());
  Chunk truncated{light.tag, 60, light.data};
  EXPECT_TRUE(addComponentFromChunk(description, truncated));
  EXPECT_EQ(description.lists[kLights].count, 0u);

  Chunk whole{light.tag, light.length, light.data};
  EXPECT_TRUE(addComponentFromChunk(description, whole));
  EXPECT_EQ(description.lists[kLights].count, 1u);

  Chunk other{fourCC("TEXT"), light.length, light.data};
  EXPECT_FALSE(addComponentFromChunk(description, other));
  for (const ComponentList& list : description.lists) {
    EXPECT_EQ(list.count, &list == &description.lists[kLights] ? 1u : 0u);
  }
}

// A description with members in every list, two objects among them.
void fillDescription(EffectDescription& description) {
  uint16_t id = 1;
  auto add = [&](ComponentKind kind, EffectComponent* component) {
    description.lists[kind].append(component);
  };
  add(kCameras, makeComponent<CameraComponent>(id++, 0.0f, 1.0f, 0, 0));
  add(kLights, makeComponent<LightComponent>(id++, 0.0f, 1.0f, 0, 0));
  auto* first = makeComponent<ObjectComponent>(id++, 0.0f, 0.5f, 0, 0);
  first->morphFrames = 2;
  add(kObjects, first);
  add(kObjects, makeComponent<ObjectComponent>(id++, 0.5f, 1.0f, 0, 3));
  auto* surface = makeComponent<SurfaceComponent>(id++, 0.0f, 1.0f, 3, 0);
  std::strcpy(surface->mapFile, "Wood.TGA");
  add(kSurfaces, surface);
  add(kPaths, makeComponent<PathComponent>(id++, 0.0f, 1.0f, 3, 0));
  add(kEnvelopes, makeComponent<EnvelopeComponent>(id++, 0.0f, 1.0f, 4, 0));
  auto* warp = makeComponent<WarpComponent>(id++, 0.0f, 1.0f, 0, 0);
  std::strcpy(warp->warpName, "Twist");
  add(kWarps, warp);
}

TEST_F(ComponentFactory, WrittenComponentsReadBackEqualAndInOrderAndFailedWritesAreReported) {
  EffectDescription written;
  fillDescription(written);
  ChunkFile out;
  ASSERT_EQ(out.createBlock(kMagic), kChunkOk);
  ASSERT_EQ(writeAllComponents(out, written), 1);
  std::vector<uint8_t> block(out.block(), out.block() + out.blockLength());

  EffectDescription read;
  ChunkFile in;
  ASSERT_EQ(in.openBlock(block.data(), kMagic), kChunkOk);
  std::vector<uint32_t> tags;
  Chunk chunk;
  while (in.readChunk(chunk) == kChunkOk) {
    tags.push_back(chunk.tag);
    EXPECT_TRUE(addComponentFromChunk(read, chunk));
  }
  EXPECT_EQ(in.status(), kChunkEnd);
  ASSERT_EQ(tags.size(), 8u);
  EXPECT_EQ(tags[0], CameraComponent::kTag);
  EXPECT_EQ(tags[7], WarpComponent::kTag);
  EXPECT_EQ(read.compare(written), 0);
  EXPECT_EQ(read.lists[kObjects].at(0)->id, 3);
  EXPECT_EQ(read.lists[kObjects].at(1)->id, 4);

  ChunkFile closed;  // nothing open: every write fails
  EXPECT_EQ(writeAllComponents(closed, written), 0);
  EffectDescription empty;
  ChunkFile emptyOut;
  ASSERT_EQ(emptyOut.createBlock(kMagic), kChunkOk);
  EXPECT_EQ(writeAllComponents(emptyOut, empty), 1);
  EXPECT_EQ(emptyOut.blockLength(), 8u);
}

}  // namespace
}  // namespace vta::test
