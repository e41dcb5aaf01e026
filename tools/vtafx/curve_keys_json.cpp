#include "curve_keys_json.h"

#include "json_access.h"

namespace vtafx {

namespace {

struct Weights {
  float tension, continuity, bias;
  uint16_t linear, reserved;
};

void addWeights(Json& out, const Weights& w) {
  if (!zeroBits(w.tension)) out.add("tension", jsonF32(w.tension));
  if (!zeroBits(w.continuity)) out.add("continuity", jsonF32(w.continuity));
  if (!zeroBits(w.bias)) out.add("bias", jsonF32(w.bias));
  if (w.linear) out.add("linear", jsonUint(w.linear));
  if (w.reserved) out.add("reserved", jsonUint(w.reserved));
}

Weights readWeights(const Json& in) {
  return Weights{memberF32(in, "tension"), memberF32(in, "continuity"), memberF32(in, "bias"),
                 static_cast<uint16_t>(memberUint(in, "linear", 0xFFFF)),
                 static_cast<uint16_t>(memberUint(in, "reserved", 0xFFFF))};
}

float readKeyTime(const Json& in) {
  const Json* time = optional(in, "time");
  return time ? readTime(*time, "time") : 0.0f;
}

void readTriple(const Json& in, const char* key, float* out, float fallback) {
  if (const Json* value = optional(in, key)) {
    readF32Array(*value, key, out, 3);
  } else {
    out[0] = out[1] = out[2] = fallback;
  }
}

}  // namespace

Json envelopeKeyJson(const vta::EnvelopeKey& key) {
  Json out = Json::object();
  out.add("time", jsonF32(key.time)).add("value", jsonF32(key.value));
  addWeights(out, {key.tension, key.continuity, key.bias, key.linear, key.reserved});
  return out;
}

vta::EnvelopeKey envelopeKeyFromJson(const Json& value) {
  if (value.type() != Json::Type::kObject) throw BuildError("a key must be an object");
  const Weights w = readWeights(value);
  return vta::EnvelopeKey{
      readKeyTime(value), memberF32(value, "value"), w.tension, w.continuity, w.bias, w.linear,
      w.reserved};
}

Json pathKeyJson(const vta::PathKey& key) {
  Json out = Json::object();
  out.add("time", jsonF32(key.time));
  out.add("position", jsonF32Array(&key.positionX, 3));
  out.add("rotation", jsonF32Array(&key.rotationX, 3));
  out.add("scale", jsonF32Array(&key.scaleX, 3));
  addWeights(out, {key.tension, key.continuity, key.bias, key.linear, key.reserved});
  return out;
}

vta::PathKey pathKeyFromJson(const Json& value) {
  if (value.type() != Json::Type::kObject) throw BuildError("a key must be an object");
  vta::PathKey key{};
  key.time = readKeyTime(value);
  readTriple(value, "position", &key.positionX, 0.0f);
  readTriple(value, "rotation", &key.rotationX, 0.0f);
  readTriple(value, "scale", &key.scaleX, 1.0f);
  const Weights w = readWeights(value);
  key.tension = w.tension;
  key.continuity = w.continuity;
  key.bias = w.bias;
  key.linear = w.linear;
  key.reserved = w.reserved;
  return key;
}

}  // namespace vtafx
