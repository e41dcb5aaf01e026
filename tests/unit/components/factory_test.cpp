// Components built from chunks through the factory and written back, and
// called through their virtual table by slot number, as a renderer plug-in
// built by another compiler does.
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

// Member functions use the thiscall convention on 32-bit Windows.
#if defined(__i386__) && defined(_WIN32)
#define VTA_MEMBER_CALL __attribute__((thiscall))
#else
#define VTA_MEMBER_CALL
#endif

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

using DestroySlot = void(VTA_MEMBER_CALL*)(void*, bool);
using CloneSlot = void*(VTA_MEMBER_CALL*)(const void*);
using SetMotionSlot = void(VTA_MEMBER_CALL*)(void*, const uint32_t*);
using GetMotionSlot = void(VTA_MEMBER_CALL*)(const void*, uint32_t*);
using ReadChunkSlot = int(VTA_MEMBER_CALL*)(void*, uint32_t, uint32_t, const uint8_t*);
using WriteChunkSlot = int(VTA_MEMBER_CALL*)(const void*, uint32_t*, uint32_t*, uint8_t**);
using SetParameterSlot = void(VTA_MEMBER_CALL*)(void*, uint16_t, float);
using CompareSlot = int(VTA_MEMBER_CALL*)(const void*, const void*);

template <class Slot>
Slot slot(const void* component, int index) {
  auto vtable = *reinterpret_cast<void* const* const*>(component);
  return reinterpret_cast<Slot>(vtable[index]);
}

// Clones, writes and compares through slots 1, 5 and 7, then destroys the
// clone through slot 0.
template <class Kind>
void checkCloneWriteCompare(Kind& component) {
  void* copy = slot<CloneSlot>(&component, 1)(&component);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(slot<CompareSlot>(copy, 7)(copy, &component), 0);

  uint32_t tag = 0, length = 0;
  uint8_t* payload = nullptr;
  ASSERT_EQ(slot<WriteChunkSlot>(copy, 5)(copy, &tag, &length, &payload), 1);
  test::Payload direct(component);
  EXPECT_EQ(tag, Kind::kTag);
  ASSERT_EQ(length, direct.length);
  EXPECT_EQ(std::memcmp(payload, direct.data, length), 0);
  release(payload);

  static_cast<Kind*>(copy)->spanStart = 0.5f;
  EXPECT_EQ(slot<CompareSlot>(copy, 7)(copy, &component), 1);
  slot<DestroySlot>(copy, 0)(copy, true);
}

TEST(ComponentSlots, CloneWriteCompareAndDestroyForEveryKind) {
  SettingsSandbox sandbox;  // a warp copy looks for no plug-in
  auto camera = test::make<CameraComponent>();
  auto light = test::make<LightComponent>();
  auto surface = test::make<SurfaceComponent>();
  auto object = test::make<ObjectComponent>();
  auto warp = test::make<WarpComponent>();
  ASSERT_TRUE(camera && light && surface && object && warp);
  camera->block16[3] = 9;
  light->lightWord = 4;
  std::strcpy(surface->mapFile, "Sky.TGA");
  object->morphFrames = 3;
  warp->warpAmount = 2.0f;
  checkCloneWriteCompare(*camera);
  checkCloneWriteCompare(*light);
  checkCloneWriteCompare(*surface);
  checkCloneWriteCompare(*object);
  checkCloneWriteCompare(*warp);
}

TEST(ComponentSlots, MotionReadAndParameterSlotsKeepTheirOrder) {
  auto* object = makeComponent<ObjectComponent>(1, 0.0f, 1.0f, 0, 0);
  ASSERT_NE(object, nullptr);
  uint32_t words[kMotionWords];
  for (int i = 0; i < kMotionWords; ++i) words[i] = 50u + i;
  slot<SetMotionSlot>(object, 2)(object, words);
  uint32_t out[kMotionWords] = {};
  slot<GetMotionSlot>(object, 3)(object, out);
  EXPECT_EQ(out[13], 63u);

  object->morphFrames = 2;
  slot<SetParameterSlot>(object, 6)(object, ObjectComponent::kMorphPosition, 5.0f);
  EXPECT_EQ(object->morphPosition, 2.0f);

  test::Payload payload(*object);
  auto* fresh = makeComponent<ObjectComponent>(1, 0.0f, 1.0f, 0, 0);
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(slot<ReadChunkSlot>(fresh, 4)(fresh, payload.tag, payload.length, payload.data), 1);
  EXPECT_EQ(fresh->morphPosition, 2.0f);
  EXPECT_EQ(fresh->motion[0], 50u);

  slot<DestroySlot>(fresh, 0)(fresh, true);
  slot<DestroySlot>(object, 0)(object, true);
}

}  // namespace
}  // namespace vta::test
