#pragma once
// Envelope component (list 5, chunk "ENV0"): makes one scalar parameter vary
// over the transition through keys joined by Kochanek-Bartels cubics or, per
// segment, straight lines. Time runs from 0.0 (start) to 1.0 (end).
//
// Keys are kept in ascending time order. Every readChunk completes the end
// keys, so a loaded envelope starts with a key at 0.0 and ends with one at
// 1.0. Key lookup compares times exactly: producers make times with
// keyTimeFromPercent (envelope/kb_spline.h).

#include <cstdint>

#include "curves/envelope_key.h"
#include "curves/key_track.h"
#include "model/effect_component.h"
#include "platform/byte_order.h"

namespace vta {

// Payload bytes before the first key: common header, parameterIndex, keyCount.
constexpr uint32_t kEnvelopeKeysOffset = 22;

class EnvelopeComponent final : public EffectComponent, public KeyTrack<EnvelopeKey> {
 public:
  static constexpr uint32_t kTag = fourCC("ENV0");

  // No keys, parameterIndex 0.
  EnvelopeComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId,
                    uint16_t parentId);

  // setMotion, getMotion and setParameter keep the base behaviour: nothing.
  void destroy(bool freeSelf) override;
  EffectComponent* clone() const override;
  // "ENV0": takes parameterIndex and the keys (not the common header); a
  // payload too short for its key count, or whose key times are not in
  // ascending order from 0.0 to 1.0, is refused, leaving the envelope
  // unchanged. Then, and for any other tag, completes the end keys.
  int readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) override;
  int writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const override;
  // Base fields, parameterIndex and every key (reserved bytes aside).
  int compare(const EffectComponent* other) const override;

  // The keys and their editing come from KeyTrack; a key is at exactly its
  // own time.

  // The curve's value at time (rules in docs/curves.md).
  float evaluate(float time) const;
  // parameterIndex and a copy of every key; the base fields stay.
  void copyFrom(const EnvelopeComponent& other);

  uint16_t parameterIndex;

 private:
  friend void destroyComponent<EnvelopeComponent>(EnvelopeComponent*, bool);
  ~EnvelopeComponent() = default;

  void completeEndKeys();
};

}  // namespace vta
