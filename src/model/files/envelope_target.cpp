#include "model/files/envelope_target.h"

#include <memory>
#include <vector>

#include "model/effect_description.h"
#include "model/files/effect_file.h"

namespace vta {
namespace {

constexpr uint32_t kLastId = 65535;

EnvelopeComponent* copyFromEffect(const EffectSettings& record, uint16_t owner,
                                  uint16_t parameterIndex) {
  auto effect = std::make_unique<EffectDescription>();
  loadDescription(*effect, record.effectName, 0);
  const EnvelopeComponent* own = effect->findEnvelope(owner, parameterIndex);
  return own ? static_cast<EnvelopeComponent*>(own->clone()) : nullptr;
}

EnvelopeComponent* newEnvelope(const ComponentList& envelopes, uint16_t owner,
                               uint16_t parameterIndex) {
  const uint16_t id = newEnvelopeId(envelopes);
  if (id == 0) return nullptr;
  auto* envelope = makeComponent<EnvelopeComponent>(id, 0.0f, 1.0f, owner, 0);
  if (envelope) envelope->parameterIndex = parameterIndex;
  return envelope;
}

}  // namespace

uint16_t newEnvelopeId(const ComponentList& envelopes) {
  std::vector<bool> taken(kLastId + 1);
  uint32_t highest = kFirstUserEnvelopeId - 1;
  for (const EffectComponent* member = envelopes.head; member; member = member->next) {
    taken[member->id] = true;
    if (member->id > highest) highest = member->id;
  }
  if (highest < kLastId) return static_cast<uint16_t>(highest + 1);
  for (uint32_t id = kFirstUserEnvelopeId; id <= kLastId; ++id) {
    if (!taken[id]) return static_cast<uint16_t>(id);
  }
  return 0;
}

EnvelopeTarget findOrAddEnvelope(EffectSettings& record, uint16_t owner, uint16_t parameterIndex) {
  ComponentList& envelopes = record.description.lists[kEnvelopes];
  if (EnvelopeComponent* found = record.description.findEnvelope(owner, parameterIndex)) {
    return {found, false};
  }
  EnvelopeComponent* added = owner != 0 ? copyFromEffect(record, owner, parameterIndex) : nullptr;
  if (!added) added = newEnvelope(envelopes, owner, parameterIndex);
  envelopes.append(added);
  return {added, added != nullptr};
}

}  // namespace vta
