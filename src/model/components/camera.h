#pragma once
// A camera of the scene: its motion and two blocks the renderer interprets.

#include <cstdint>

#include "model/effect_component.h"
#include "platform/byte_order.h"

namespace vta {

struct CameraFields {
  uint32_t motion[kMotionWords];  // payload offset 16
  uint8_t block12[12];            // payload offset 72
  uint8_t block16[16];            // payload offset 84
};

class CameraComponent final : public EffectComponent, public CameraFields {
 public:
  static constexpr uint32_t kTag = fourCC("CAM0");
  static constexpr uint32_t kPayloadSize = 100;

  CameraComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId, uint16_t parentId);

  void destroy(bool freeSelf) override;
  EffectComponent* clone() const override;
  void setMotion(const uint32_t* words) override;
  void getMotion(uint32_t* words) const override;
  int readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) override;
  int writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const override;
  int compare(const EffectComponent* other) const override;

 private:
  friend void destroyComponent<CameraComponent>(CameraComponent*, bool);
  ~CameraComponent() = default;
};

}  // namespace vta
