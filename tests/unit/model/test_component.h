// A minimal component kind for testing lists and records independently of
// the real kinds: one value that takes part in compare.
#pragma once

#include "model/effect_component.h"
#include "platform/byte_order.h"

namespace vta::test {

class TestComponent final : public EffectComponent {
 public:
  static constexpr uint32_t kTag = fourCC("TST0");

  TestComponent(uint16_t id, uint16_t linkId = 0, uint16_t parentId = 0, int value = 0)
      : EffectComponent(id, 0.0f, 1.0f, linkId, parentId), value(value) {}

  void destroy(bool freeSelf) override {
    ++destroyed;
    destroyComponent(this, freeSelf);
  }
  EffectComponent* clone() const override {
    return makeComponent<TestComponent>(id, linkId, parentId, value);
  }
  int readChunk(uint32_t, uint32_t, const uint8_t*) override { return 0; }
  int writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const override {
    *tag = kTag;
    *length = kComponentHeaderSize;
    *payload = newPayload(kComponentHeaderSize);
    return *payload ? 1 : 0;
  }
  int compare(const EffectComponent* other) const override {
    if (EffectComponent::compare(other)) return 1;
    return static_cast<const TestComponent*>(other)->value != value;
  }

  int value;
  static inline int destroyed = 0;
};

inline TestComponent* makeTest(uint16_t id, uint16_t linkId = 0, uint16_t parentId = 0,
                               int value = 0) {
  return makeComponent<TestComponent>(id, linkId, parentId, value);
}

}  // namespace vta::test
