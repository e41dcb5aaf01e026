#pragma once
// The effect settings record: the chosen effect, its options and the user's
// components, laid out as VtaEffectSettings (1144 bytes on 32-bit builds).
// Hosts own it, pages edit it, renderers read it, the defaults file stores it.

#include <cstdint>

#include "model/effect_description.h"

namespace vta {

constexpr int kGlobalParamCount = 30;
constexpr int kObjectEntryCount = 20;
constexpr int kObjectParamCount = 10;
constexpr int kEffectNameSize = 41;
// Bytes of the record stored by the defaults file: name, padding and reals,
// without the last three bytes of the fixed part.
constexpr uint32_t kStoredFixedBytes = 961;

struct EffectSettings {
  char effectName[kEffectNameSize];
  uint8_t padding[3];
  float globalParams[kGlobalParamCount];
  float objectParams[kObjectEntryCount][kObjectParamCount];
  EffectDescription description;

  // An empty record: no effect, all reals 0, empty description. The padding
  // is left as found.
  EffectSettings();
  ~EffectSettings() { clear(); }
  EffectSettings(const EffectSettings&) = delete;
  EffectSettings& operator=(const EffectSettings&) = delete;

  // Zeroes name and reals and empties the description.
  void clear();
  // Copies name, reals and a deep copy of the description.
  void copyFrom(const EffectSettings& source);
  // 0 when names, all 230 reals (exactly) and descriptions are equal, else 1.
  int differs(const EffectSettings& other) const;

  // The real that a parameter index names: i (0..29) is global option i,
  // 100 x (n + 1) + k is element k of object entry n. Null for other indexes.
  float* parameter(int index);

 private:
  void zeroFixedBlocks();
};

}  // namespace vta
