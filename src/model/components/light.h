#pragma once
// A light of the scene: a light word, its motion, two blocks the renderer
// interprets and two further values.

#include <cstdint>

#include "model/effect_component.h"
#include "platform/byte_order.h"

namespace vta {

struct LightFields {
  uint16_t lightWord;             // payload offset 16
  uint8_t block16[16];            // payload offset 18
  uint32_t motion[kMotionWords];  // payload offset 34
  uint8_t block12[12];            // payload offset 90
  uint32_t firstValue;            // payload offset 102
  uint32_t secondValue;           // payload offset 106
};

class LightComponent final : public EffectComponent, public LightFields {
 public:
  static constexpr uint32_t kTag = fourCC("LIT0");
  static constexpr uint32_t kPayloadSize = 110;
  // Only the start of the motion block takes part in compare().
  static constexpr uint32_t kComparedMotionBytes = 16;

  LightComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId, uint16_t parentId);

  void destroy(bool freeSelf) override;
  EffectComponent* clone() const override;
  void setMotion(const uint32_t* words) override;
  void getMotion(uint32_t* words) const override;
  int readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) override;
  int writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const override;
  int compare(const EffectComponent* other) const override;

 private:
  friend void destroyComponent<LightComponent>(LightComponent*, bool);
  ~LightComponent() = default;
};

}  // namespace vta
