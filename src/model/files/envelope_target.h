#pragma once
// The envelope an envelope editor works on: the one in the record that
// drives the parameter, else a copy of the effect's own (for an object's
// envelope), else a new one.

#include <cstdint>

#include "model/components/envelope.h"
#include "model/effect_settings.h"

namespace vta {

// Ids of envelopes the user adds lie above this.
constexpr uint16_t kFirstUserEnvelopeId = 40001;

// One above the highest envelope id in envelopes, at least
// kFirstUserEnvelopeId; when that would pass 65535, the lowest free id from
// kFirstUserEnvelopeId on; 0 when every one is taken.
uint16_t newEnvelopeId(const ComponentList& envelopes);

struct EnvelopeTarget {
  EnvelopeComponent* envelope = nullptr;  // in the record's envelope list; null: out of memory
  bool added = false;                     // not in the record before this call
};

// The record's envelope with linkId owner (0: a parameter of the record,
// else an object's id) and this parameterIndex. Without one, an object's
// envelope is copied from the description of the record's effect; failing
// that a new, keyless one is made. A copy or a new one is appended to the
// record's envelopes.
EnvelopeTarget findOrAddEnvelope(EffectSettings& record, uint16_t owner, uint16_t parameterIndex);

}  // namespace vta
