#pragma once
// Path component (list 4, chunk "PTH0"): moves the object whose id is linkId
// through the transition with keys of position, rotation and scale, joined
// by Kochanek-Bartels splines or, per segment, straight lines.
//
// Keys are kept in ascending time order. Key lookup accepts times within
// 0.005 of the one asked for; removal compares times exactly.

#include <cstdint>

#include "model/effect_component.h"
#include "curves/key_track.h"
#include "curves/path_key.h"
#include "platform/byte_order.h"

namespace vta {

// Payload bytes before the first key: common header and keyCount.
constexpr uint32_t kPathKeysOffset = 20;

class PathComponent final : public EffectComponent, public KeyTrack<PathKey> {
 public:
  static constexpr uint32_t kTag = fourCC("PTH0");

  // No keys.
  PathComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId, uint16_t parentId);

  // setMotion, getMotion and setParameter keep the base behaviour: nothing.
  void destroy(bool freeSelf) override;
  EffectComponent* clone() const override;
  // "PTH0": takes the keys (not the common header). A payload holding fewer
  // keys than its count gives only the whole keys it holds.
  int readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) override;
  int writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const override;
  // Base fields and all 56 bytes of every key.
  int compare(const EffectComponent* other) const override;

  // The keys and their editing come from KeyTrack; a key is at every time
  // within 0.005 of its own.

  // The nine placement values at time into out (rules in docs/curves.md).
  void evaluate(float time, PathKey& out) const;
  // A copy of every key; the base fields stay.
  void copyFrom(const PathComponent& other);

 private:
  friend void destroyComponent<PathComponent>(PathComponent*, bool);
  ~PathComponent() = default;
};

}  // namespace vta
