#pragma once
// Helpers for the component tests: owning handles, written payloads and byte
// patterns.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "model/components/component_factory.h"
#include "model/effect_component.h"
#include "platform/memory.h"

namespace vta {
namespace test {

template <class Kind>
using Owned = OwnedComponent<Kind>;

// Header values every test component starts with.
constexpr uint16_t kId = 7;
constexpr float kSpanStart = 0.25f;
constexpr float kSpanEnd = 0.75f;
constexpr uint16_t kLinkId = 3;
constexpr uint16_t kParentId = 5;

template <class Kind>
Owned<Kind> make(uint16_t id = kId) {
  return Owned<Kind>(makeComponent<Kind>(id, kSpanStart, kSpanEnd, kLinkId, kParentId));
}

template <class Kind>
Owned<Kind> cloneOf(const Kind& component) {
  return Owned<Kind>(static_cast<Kind*>(component.clone()));
}

// The result of one writeChunk() call; releases the payload.
struct Payload {
  explicit Payload(const EffectComponent& component) {
    result = component.writeChunk(&tag, &length, &data);
  }
  ~Payload() { release(data); }
  Payload(const Payload&) = delete;
  Payload& operator=(const Payload&) = delete;

  uint16_t u16(size_t offset) const {
    return static_cast<uint16_t>(data[offset] | data[offset + 1] << 8);
  }
  uint32_t u32(size_t offset) const {
    uint32_t value;
    std::memcpy(&value, data + offset, 4);
    return value;
  }
  float f32(size_t offset) const {
    float value;
    std::memcpy(&value, data + offset, 4);
    return value;
  }
  bool bytesAt(size_t offset, const void* expected, size_t size) const {
    return std::memcmp(data + offset, expected, size) == 0;
  }
  bool zerosFrom(size_t offset) const {
    for (size_t i = offset; i < length; ++i) {
      if (data[i] != 0) return false;
    }
    return true;
  }
  std::vector<uint8_t> bytes() const { return std::vector<uint8_t>(data, data + length); }
  // The payload with a 32-bit value replaced, for hostile variants.
  std::vector<uint8_t> bytesWith(size_t offset, uint32_t value) const {
    std::vector<uint8_t> out = bytes();
    std::memcpy(out.data() + offset, &value, 4);
    return out;
  }

  uint32_t tag = 0;
  uint32_t length = 0;
  uint8_t* data = nullptr;
  int result = 0;
};

// Builds a component of Kind from bytes through the factory; null when
// refused or of another kind.
template <class Kind>
Owned<Kind> readBack(uint32_t tag, const std::vector<uint8_t>& bytes) {
  ComponentKind kind = kComponentKindCount;
  EffectComponent* built =
      createComponentFromChunk(tag, static_cast<uint32_t>(bytes.size()), bytes.data(), &kind);
  auto* typed = dynamic_cast<Kind*>(built);
  if (built && !typed) built->destroy(true);
  return Owned<Kind>(typed);
}

template <class Kind>
Owned<Kind> readBack(const Payload& payload) {
  return readBack<Kind>(payload.tag, payload.bytes());
}

// Read back through the factory, the component compares equal and writes
// the very payload it was read from.
template <class Kind>
void expectRoundTrip(const Kind& component) {
  Payload written(component);
  ASSERT_EQ(written.result, 1);
  EXPECT_EQ(written.tag, Kind::kTag);
  auto copy = readBack<Kind>(written);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->compare(&component), 0);
  EXPECT_EQ(Payload(*copy).bytes(), written.bytes());
}

// Its clone compares equal and writes the same payload.
template <class Kind>
Owned<Kind> expectCloneWritesTheSame(const Kind& component) {
  auto cloned = cloneOf(component);
  EXPECT_TRUE(cloned);
  if (!cloned) return cloned;
  EXPECT_EQ(cloned->compare(&component), 0);
  EXPECT_EQ(Payload(*cloned).bytes(), Payload(component).bytes());
  return cloned;
}

// Each change, made to its own clone of component, makes the two compare
// unequal.
template <class Kind, class... Changes>
void expectEachChangeSeen(const Kind& component, Changes... changes) {
  int index = 0;
  auto expectSeen = [&](auto change) {
    auto changed = cloneOf(component);
    change(*changed);
    EXPECT_EQ(component.compare(changed.get()), 1) << "change " << index++;
  };
  (expectSeen(changes), ...);
}

// Fills size bytes with seed, seed + 1, ... so every byte differs from its
// neighbours and from zero-filled memory.
inline void fillPattern(void* target, size_t size, uint8_t seed) {
  auto* bytes = static_cast<uint8_t*>(target);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i);
}

}  // namespace test
}  // namespace vta
