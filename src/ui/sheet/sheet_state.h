// What the pages, the pane and the editors share during one run of the
// selection sheet: the host's record, the preview engine, the preferences
// and the selected effect. Each page reaches the others only through here.
#pragma once

#include <cstdint>
#include <functional>

#include "curves/envelope_key.h"
#include "curves/path_key.h"
#include "model/effect_description.h"
#include "model/effect_settings.h"

namespace vta {

class DialogPage;
class PreviewRenderer;
struct Preferences;

// The key last copied in an editor, for pasting in the editors opened after
// it: an envelope key goes only into envelopes, a path key only into paths.
struct CopiedKey {
  enum class Kind { kNone, kEnvelope, kPath };
  Kind kind = Kind::kNone;
  EnvelopeKey envelopeKey{};
  PathKey pathKey{};
};

struct SheetState {
  EffectSettings* record = nullptr;    // the host's record, edited in place
  const void* secondRecord = nullptr;  // never read; not null means filter mode
  EffectSettings* lastPreviewed = nullptr;
  uint32_t cancelled = 0;              // set when the sheet is cancelled
  DialogPage* activePage = nullptr;    // whose pane was activated last
  DialogPage* returnPage = nullptr;    // active again when the open editor closes
  PreviewRenderer* preview = nullptr;  // the preview engine of this run
  Preferences* preferences = nullptr;  // kept by the Settings page while it exists
  // The full description of the effect the Effects page selected; null while
  // none is selected or the page does not exist.
  const EffectDescription* selectedEffect = nullptr;
  // Told by the Effects page when the user selects another effect (the
  // Objects page then shows the new effect's first object).
  std::function<void()> effectSelected;
  CopiedKey copiedKey;

  bool filterMode() const { return secondRecord != nullptr; }
};

// The state of the sheet that is running (all empty between runs).
SheetState& sheet();

// Replaces the running sheet's preview engine by one made from the stored
// preferences (quality, frames, renderer); sheet().preview follows. The old
// engine's worker ends after the frame it is drawing.
void replacePreviewEngine();

}  // namespace vta
