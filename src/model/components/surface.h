#pragma once
// A surface of the scene: how an image is mapped onto an object, with blocks
// and values the renderer interprets.

#include <cstdint>

#include "model/effect_component.h"
#include "platform/byte_order.h"

namespace vta {

struct SurfaceFields {
  // Payload offset 16. 2: mapFile names an image in the textures folder;
  // 3 to 5 are set by the Objects page.
  uint16_t mappingKind;
  uint16_t objectIndex;     // payload offset 18
  uint8_t blocks[3][16];    // payload offsets 20, 36, 52
  float amount;             // payload offset 68
  uint8_t fourthBlock[16];  // payload offset 72
  char mapFile[256];        // payload offset 88, always NUL-terminated
  float frameOffset;        // payload offset 344
  // Payload offset 348: run-time state saved with the chunk; a clone starts
  // it at 0 and compare() ignores it.
  uint32_t runtimeWord;
  uint32_t mapWord;        // payload offset 352
  uint8_t vectors[2][12];  // payload offsets 356 and 368
  uint16_t lastWord;       // payload offset 380
};

class SurfaceComponent final : public EffectComponent, public SurfaceFields {
 public:
  static constexpr uint32_t kTag = fourCC("SRF0");
  static constexpr uint32_t kPayloadSize = 382;

  SurfaceComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId, uint16_t parentId);

  void destroy(bool freeSelf) override;
  EffectComponent* clone() const override;
  int readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) override;
  int writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const override;
  int compare(const EffectComponent* other) const override;

 private:
  friend void destroyComponent<SurfaceComponent>(SurfaceComponent*, bool);
  ~SurfaceComponent() = default;
};

}  // namespace vta
