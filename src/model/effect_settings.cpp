#include "model/effect_settings.h"

#include "platform/memory.h"

namespace vta {
namespace {

// Names compare as strings, but never beyond the field: a host's name may
// fill all 41 bytes without a NUL.
bool sameName(const char* a, const char* b) {
  for (int i = 0; i < kEffectNameSize; ++i) {
    if (a[i] != b[i]) return false;
    if (a[i] == '\0') return true;
  }
  return true;
}

// Equal reals, or two not-a-numbers: a host may hand over a NaN, and a
// record holding one must still equal its own copy. -0 equals 0.
bool sameReal(float a, float b) { return a == b || (a != a && b != b); }

}  // namespace

EffectSettings::EffectSettings() { zeroFixedBlocks(); }

void EffectSettings::zeroFixedBlocks() {
  fillBytes(effectName, 0, sizeof effectName);
  fillBytes(globalParams, 0, sizeof globalParams);
  fillBytes(objectParams, 0, sizeof objectParams);
}

void EffectSettings::clear() {
  zeroFixedBlocks();
  description.clear();
}

void EffectSettings::copyFrom(const EffectSettings& source) {
  if (&source == this) return;
  copyBytes(effectName, source.effectName, sizeof effectName);
  copyBytes(globalParams, source.globalParams, sizeof globalParams);
  copyBytes(objectParams, source.objectParams, sizeof objectParams);
  description.copyFrom(source.description);
}

int EffectSettings::differs(const EffectSettings& other) const {
  if (!sameName(effectName, other.effectName)) return 1;
  for (int i = 0; i < kGlobalParamCount; ++i) {
    if (!sameReal(globalParams[i], other.globalParams[i])) return 1;
  }
  for (int n = 0; n < kObjectEntryCount; ++n) {
    for (int k = 0; k < kObjectParamCount; ++k) {
      if (!sameReal(objectParams[n][k], other.objectParams[n][k])) return 1;
    }
  }
  return description.compare(other.description);
}

float* EffectSettings::parameter(int index) {
  if (index >= 0 && index < kGlobalParamCount) return &globalParams[index];
  const int entry = index / 100 - 1, element = index % 100;
  if (entry < 0 || entry >= kObjectEntryCount || element >= kObjectParamCount) return nullptr;
  return &objectParams[entry][element];
}

}  // namespace vta
