#pragma once
// Envelope and path keys as JSON. Tension, continuity, bias, linear and the
// reserved word are written only when not zero; a missing one reads as 0. A
// path key's missing scale reads as [1, 1, 1]. Times may be written "N%"
// (see readTime).

#include "curves/envelope_key.h"
#include "json.h"
#include "curves/path_key.h"

namespace vtafx {

Json envelopeKeyJson(const vta::EnvelopeKey& key);
vta::EnvelopeKey envelopeKeyFromJson(const Json& value);

Json pathKeyJson(const vta::PathKey& key);
vta::PathKey pathKeyFromJson(const Json& value);

}  // namespace vtafx
