#include "curves/path_key.h"

namespace vta {

PathKey readPathKey(ByteReader& in) {
  PathKey key;
  key.time = in.f32();
  for (float PathKey::*field : kPlacementFields) key.*field = in.f32();
  key.tension = in.f32();
  key.continuity = in.f32();
  key.bias = in.f32();
  key.linear = in.u16();
  key.reserved = in.u16();
  return key;
}

void writePathKey(ByteWriter& out, const PathKey& key) {
  out.f32(key.time);
  for (float PathKey::*field : kPlacementFields) out.f32(key.*field);
  out.f32(key.tension);
  out.f32(key.continuity);
  out.f32(key.bias);
  out.u16(key.linear);
  out.u16(key.reserved);
}

}  // namespace vta
