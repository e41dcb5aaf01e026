#pragma once
// Builders for envelope and path tests. Keys are set one by one, so a test
// shape reaches the component exactly as written (no end-key completion).

#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

#include "../components/component_test_support.h"
#include "model/components/envelope.h"
#include "model/components/path.h"

namespace vta {

template <class Kind>
using Owned = OwnedComponent<Kind>;

inline EnvelopeKey envKey(float time, float value, uint16_t linear = 0, float tension = 0,
                          float continuity = 0, float bias = 0) {
  return EnvelopeKey{time, value, tension, continuity, bias, linear, 0};
}

inline Owned<EnvelopeComponent> newEnvelope(uint16_t id = 7, uint16_t linkId = 0) {
  return Owned<EnvelopeComponent>(
      makeComponent<EnvelopeComponent>(id, 0.0f, 1.0f, linkId, uint16_t{0}));
}

inline Owned<EnvelopeComponent> envelopeWith(const std::vector<EnvelopeKey>& keys) {
  auto envelope = newEnvelope();
  envelope->setKeyCount(static_cast<uint32_t>(keys.size()));
  uint32_t i = 0;
  for (const EnvelopeKey& key : keys) envelope->setKey(i++, key);
  return envelope;
}

// A key whose positionX is x and whose other placement values are x plus
// 1 to 8, so every field is told apart.
inline PathKey pathKey(float time, float x, uint16_t linear = 0, float tension = 0,
                       float continuity = 0, float bias = 0) {
  return PathKey{time,  x,     x + 1,   x + 2,      x + 3, x + 4,  x + 5, x + 6,
                 x + 7, x + 8, tension, continuity, bias,  linear, 0};
}

inline Owned<PathComponent> newPath(uint16_t id = 9, uint16_t linkId = 3) {
  return Owned<PathComponent>(makeComponent<PathComponent>(id, 0.25f, 0.75f, linkId, uint16_t{2}));
}

inline Owned<PathComponent> pathWith(std::initializer_list<PathKey> keys) {
  auto path = newPath();
  path->setKeyCount(static_cast<uint32_t>(keys.size()));
  uint32_t i = 0;
  for (const PathKey& key : keys) path->setKey(i++, key);
  return path;
}

using test::Payload;

// The payload a component writes, as a byte vector.
inline std::vector<uint8_t> payloadOf(const EffectComponent& component) {
  return Payload(component).bytes();
}

}  // namespace vta
