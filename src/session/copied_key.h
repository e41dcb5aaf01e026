// The key last copied in an editor, for pasting in the editors opened after
// it: an envelope key goes only into envelopes, a path key only into paths.
#pragma once

#include "curves/envelope_key.h"
#include "curves/path_key.h"

namespace vta {

struct CopiedKey {
  enum class Kind { kNone, kEnvelope, kPath };
  Kind kind = Kind::kNone;
  EnvelopeKey envelopeKey{};
  PathKey pathKey{};
};

}  // namespace vta
