#include "curves/envelope_key.h"

namespace vta {

EnvelopeKey readEnvelopeKey(ByteReader& in) {
  EnvelopeKey key;
  key.time = in.f32();
  key.value = in.f32();
  key.tension = in.f32();
  key.continuity = in.f32();
  key.bias = in.f32();
  key.linear = in.u16();
  key.reserved = in.u16();
  return key;
}

void writeEnvelopeKey(ByteWriter& out, const EnvelopeKey& key) {
  out.f32(key.time);
  out.f32(key.value);
  out.f32(key.tension);
  out.f32(key.continuity);
  out.f32(key.bias);
  out.u16(key.linear);
  out.u16(key.reserved);
}

}  // namespace vta
