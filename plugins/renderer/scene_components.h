#pragma once
// The components of one frame: the effect's own, with the paths and
// envelopes of the user's record taking the place of the effect's ones they
// replace, and the envelopes applied at the scene time.

#include <vector>

#include "model/components/envelope.h"
#include "model/effect_description.h"
#include "model/components/path.h"

namespace rnd {

// The 230 reals of a record as one frame sees them.
struct FrameOptions {
  float global[30];
  float object[20][10];

  // The option of the Objects-page entry that surface id covers (entry id - 1);
  // 0 for surfaces outside the 20 entries.
  float forSurface(unsigned surfaceId, int option) const;
};

class SceneComponents {
 public:
  // effect is the description loaded from the effect file (changed by
  // apply()); user is the record's description.
  SceneComponents(vta::EffectDescription& effect, const vta::EffectDescription& user);

  // The path that moves objectId: the user's, else the effect's; or null.
  const vta::PathComponent* pathFor(unsigned objectId) const;
  // Envelopes at u: linkId 0 sets an option, others go to setParameter of
  // the effect's component with that id.
  void apply(float u, FrameOptions& options) const;

 private:
  vta::EffectComponent* findComponent(unsigned id) const;

  vta::EffectDescription& effect_;
  const vta::EffectDescription& user_;
  std::vector<const vta::EnvelopeComponent*> envelopes_;
};

}  // namespace rnd
