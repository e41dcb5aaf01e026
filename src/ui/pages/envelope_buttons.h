// The small "E" buttons beside an animatable value: "E*" while the record has
// an envelope driving the value (whose control is then disabled, since the
// envelope sets it), and the envelope editor opened on it when clicked.
#pragma once

#include "model/effect_settings.h"
#include "ui/editors/envelope_graph.h"
#include "ui/sheet/dialog_page.h"

namespace vta {

struct SheetState;

struct EnvelopeButton {
  int button;
  int control;  // the value's own control
  int element;  // the value: a global option, or an element of an object entry
  const char* title;
  EnvelopeScale scale;
};

void showEnvelopeButton(DialogPage& page, const EffectSettings* record, const EnvelopeButton& e,
                        int parameterIndex);
// Opens the envelope editor over page on the envelope (owner 0) of
// parameterIndex in the sheet's record, starting a new one at current.
void editEnvelope(DialogPage& page, SheetState& state, const EnvelopeButton& e, int parameterIndex,
                  float current);

}  // namespace vta
