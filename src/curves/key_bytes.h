#pragma once
// A key's bytes in payload order: the time, the kind's values, tension,
// continuity, bias, the linear flag and the reserved field.

#include "curves/key_kind.h"
#include "platform/byte_reader.h"

namespace vta {

template <class Key>
Key readKey(ByteReader& in) {
  Key key;
  key.time = in.f32();
  for (float Key::*field : KeyKind<Key>::kValues) key.*field = in.f32();
  key.tension = in.f32();
  key.continuity = in.f32();
  key.bias = in.f32();
  key.linear = in.u16();
  key.reserved = in.u16();
  return key;
}

template <class Key>
void writeKey(ByteWriter& out, const Key& key) {
  out.f32(key.time);
  for (float Key::*field : KeyKind<Key>::kValues) out.f32(key.*field);
  out.f32(key.tension);
  out.f32(key.continuity);
  out.f32(key.bias);
  out.u16(key.linear);
  out.u16(key.reserved);
}

}  // namespace vta
