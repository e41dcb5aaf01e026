#include "curve_json.h"

#include "curve_keys_json.h"
#include "model/components/envelope.h"
#include "json_access.h"
#include "model/components/path.h"

namespace vtafx {

namespace {

// Far more keys than any editor makes (one per percent); keeps documents sane.
constexpr size_t kMaxKeys = 65536;

template <class Kind>
Kind* make(const vta::ComponentHeader& h, ComponentPtr& owner) {
  Kind* made = vta::makeComponent<Kind>(h.id, h.spanStart, h.spanEnd, h.linkId, h.parentId);
  if (!made) throw BuildError("out of memory");
  owner.reset(made);
  return made;
}

}  // namespace

void addEnvelopeJson(const vta::EffectComponent& component, Json& out) {
  const auto& envelope = static_cast<const vta::EnvelopeComponent&>(component);
  out.add("parameter", jsonUint(envelope.parameterIndex));
  Json keys = Json::array();
  for (uint32_t i = 0; i < envelope.keyCount; ++i) keys.push(envelopeKeyJson(envelope.keys[i]));
  out.add("keys", std::move(keys));
}

void addPathJson(const vta::EffectComponent& component, Json& out) {
  const auto& path = static_cast<const vta::PathComponent&>(component);
  Json keys = Json::array();
  for (uint32_t i = 0; i < path.keyCount; ++i) keys.push(pathKeyJson(path.keys[i]));
  out.add("keys", std::move(keys));
}

// Keys are set in the order given, as a file stores them.
ComponentPtr envelopeFromJson(const vta::ComponentHeader& h, const Json& in) {
  ComponentPtr owner;
  auto* envelope = make<vta::EnvelopeComponent>(h, owner);
  envelope->parameterIndex = static_cast<uint16_t>(memberUint(in, "parameter", 0xFFFF));
  const std::vector<Json>& keys = readArray(required(in, "keys"), "keys", kMaxKeys);
  envelope->setKeyCount(static_cast<uint32_t>(keys.size()));
  for (uint32_t i = 0; i < keys.size(); ++i) envelope->setKey(i, envelopeKeyFromJson(keys[i]));
  return owner;
}

ComponentPtr pathFromJson(const vta::ComponentHeader& h, const Json& in) {
  ComponentPtr owner;
  auto* path = make<vta::PathComponent>(h, owner);
  const std::vector<Json>& keys = readArray(required(in, "keys"), "keys", kMaxKeys);
  path->setKeyCount(static_cast<uint32_t>(keys.size()));
  for (uint32_t i = 0; i < keys.size(); ++i) path->setKey(i, pathKeyFromJson(keys[i]));
  return owner;
}

}  // namespace vtafx
