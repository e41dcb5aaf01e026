// The exported entries of the Ripple warp (include/vantaro/warp.h).

#include <cstring>

#include "ripple_math.h"

#if defined(_WIN32)
#define WARP_EXPORT
#else
#define WARP_EXPORT __attribute__((visibility("default")))
#endif

namespace {

static_assert(sizeof(ripple::Settings) <= sizeof(VtaWarpState), "settings fit in a state");

ripple::Settings settingsOf(const VtaWarpState* state) {
  ripple::Settings s;
  std::memcpy(&s, state, sizeof s);
  return s;
}

}  // namespace

extern "C" {

WARP_EXPORT int VTA_CALL VTA_Warp_Set(VtaWarpState* state, float amount, uint32_t valueCount,
                                      const float* values) {
  if (!state) return 0;
  ripple::Settings s = ripple::settingsFrom(amount, valueCount, values);
  std::memset(state, 0, sizeof *state);
  std::memcpy(state, &s, sizeof s);
  return s.amount > 0 && s.waves != 0 ? 1 : 0;
}

WARP_EXPORT int VTA_CALL VTA_Warp_Callback(const VtaWarpState* state, float* x, float* y) {
  if (state && x && y) ripple::mapPoint(settingsOf(state), *x, *y);
  return 1;
}

WARP_EXPORT int VTA_CALL VTA_Warp(const VtaWarpState* state, const VtaWarpImage* source,
                                  VtaWarpImage* target) {
  if (!state || !source || !target || !source->top || !target->top) return 0;
  if (source->width != target->width || source->height != target->height) return 0;
  ripple::warpPicture(settingsOf(state), *source, *target);
  return 1;
}

}  // extern "C"
