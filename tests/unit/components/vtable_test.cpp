// Calls components through their virtual table by slot number, as a renderer
// plug-in built by another compiler does.
#include <cstring>

#include <gtest/gtest.h>

#include "component_test_support.h"
#include "model/components/camera.h"
#include "model/components/light.h"
#include "model/components/object.h"
#include "model/components/surface.h"
#include "model/components/warp.h"
#include "settings_sandbox.h"

// Member functions use the thiscall convention on 32-bit Windows.
#if defined(__i386__) && defined(_WIN32)
#define VTA_MEMBER_CALL __attribute__((thiscall))
#else
#define VTA_MEMBER_CALL
#endif

namespace vta {
namespace {

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
}  // namespace vta
