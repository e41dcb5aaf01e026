#pragma once
// A warp of the scene: a named warp plug-in, its amount and its values. When
// read from a payload the plug-in WARPS/<warpName>.WRP of the installation
// folder is loaded, if present, and its entry points are looked up.

#include <cstdint>

#include "model/effect_component.h"
#include "platform/byte_order.h"
#include "platform/dynamic_library.h"

namespace vta {

struct WarpFields {
  char warpName[41];    // payload offset 16, always NUL-terminated
  float warpAmount;     // payload offset 57
  uint32_t valueCount;  // payload offset 61
  float* values;        // payload offset 65, valueCount items, owned
};

class WarpComponent final : public EffectComponent, public WarpFields {
 public:
  static constexpr uint32_t kTag = fourCC("WRP0");
  // Payload bytes before the values, and per value.
  static constexpr uint32_t kBaseLength = 65;
  static constexpr uint32_t kValueLength = 4;

  WarpComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId, uint16_t parentId);

  void destroy(bool freeSelf) override;
  // The copy carries name, amount and values, but no plug-in.
  EffectComponent* clone() const override;
  int readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) override;
  int writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const override;
  // Index 0 sets warpAmount; index k >= 1 sets values[k] when k < valueCount.
  void setParameter(uint16_t index, float value) override;
  int compare(const EffectComponent* other) const override;

  // The plug-in's entry points "VTA_Warp", "VTA_Warp_Set" and
  // "VTA_Warp_Callback"; null when not loaded or not exported.
  void* warpEntry;
  void* warpSetEntry;
  void* warpCallbackEntry;

 private:
  friend void destroyComponent<WarpComponent>(WarpComponent*, bool);
  ~WarpComponent();

  void loadPlugin();
  void unloadPlugin();

  DynamicLibrary plugin_;
};

}  // namespace vta
