#pragma once
// One envelope key, laid out byte for byte as VtaEnvelopeKey and as the keys
// of an "ENV0" payload, so key arrays are copied to and from payloads whole.

#include <cstddef>
#include <cstdint>

#include "curves/key_kind.h"
#include "vantaro/vantaro.h"

namespace vta {

struct EnvelopeKey {
  float time;
  float value;
  float tension;
  float continuity;
  float bias;
  uint16_t linear;  // non-zero: the segment ending at this key is straight
  uint16_t reserved;
};

constexpr uint32_t kEnvelopeKeySize = 24;

#define VTA_ENVELOPE_KEY_FIELD(field, offset)                                                  \
  static_assert(                                                                               \
      offsetof(EnvelopeKey, field) == (offset) && offsetof(VtaEnvelopeKey, field) == (offset), \
      #field)
static_assert(sizeof(EnvelopeKey) == kEnvelopeKeySize && sizeof(VtaEnvelopeKey) == kEnvelopeKeySize,
              "size");
VTA_ENVELOPE_KEY_FIELD(time, 0);
VTA_ENVELOPE_KEY_FIELD(value, 4);
VTA_ENVELOPE_KEY_FIELD(tension, 8);
VTA_ENVELOPE_KEY_FIELD(continuity, 12);
VTA_ENVELOPE_KEY_FIELD(bias, 16);
VTA_ENVELOPE_KEY_FIELD(linear, 20);
VTA_ENVELOPE_KEY_FIELD(reserved, 22);
#undef VTA_ENVELOPE_KEY_FIELD

// An envelope key carries one value and is at exactly its own time.
template <>
struct KeyKind<EnvelopeKey> {
  static constexpr float EnvelopeKey::*kValues[] = {&EnvelopeKey::value};
  static constexpr double kTimeWindow = 0;
};

}  // namespace vta
