#include "ui/pages/envelope_buttons.h"

#include "ui/editors/envelope_editor.h"

namespace vta {

void showEnvelopeButton(DialogPage& page, const EffectSettings* record, const EnvelopeButton& e,
                        int parameterIndex) {
  const bool animated =
      record && record->description.findEnvelope(0, static_cast<uint16_t>(parameterIndex));
  page.setText(e.button, animated ? "E*" : "E");
  page.setControlEnabled(e.control, !animated);
}

void editEnvelope(DialogPage& page, SheetState& state, const EnvelopeButton& e, int parameterIndex,
                  float current) {
  EnvelopeEditor editor(state, e.title, e.scale, current, 0, static_cast<uint16_t>(parameterIndex));
  editor.openEnvelopeEditor(page.window());
}

}  // namespace vta
