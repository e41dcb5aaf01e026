#include "ui/editors/envelope_editor.h"

#include <algorithm>
#include <cstdio>

#include "envelope_editor_ids.h"
#include "model/files/envelope_file.h"
#include "model/files/envelope_target.h"
#include "ui/pane/preview_pane.h"

namespace vta {
namespace {

const KeyEditorKind<EnvelopeComponent> kEnvelopeEditor = {
    IDD_ENVELOPE_EDITOR,
    {IDC_ENVELOPE_TIME, IDC_ENVELOPE_GRAPH, IDC_ENVELOPE_VALUE_GROUP, IDC_ENVELOPE_PREVIOUS_KEY,
     IDC_ENVELOPE_NEXT_KEY, IDC_ENVELOPE_CREATE_KEY, IDC_ENVELOPE_DELETE_KEY, IDC_ENVELOPE_REMOVE,
     IDC_ENVELOPE_LOAD, IDC_ENVELOPE_SAVE, IDC_ENVELOPE_TENSION, IDC_ENVELOPE_CONTINUITY,
     IDC_ENVELOPE_BIAS, IDC_ENVELOPE_LINEAR, 0},
    "Value at",
    {"Envelopes", "Vantaro Envelopes (*.env)\0*.env\0", "env"},
    "Load An Envelope",
    "Save An Envelope",
    "Could not read envelope from disk",
    "Could not write envelope to disk",
    &loadEnvelopeFile,
    &saveEnvelopeFile};

void warn(HWND owner, const char* text, const char* title) {
  MessageBoxA(owner, text, title, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

EnvelopeEditor::EnvelopeEditor(SheetContext& context, const char* title, const EnvelopeScale& scale,
                               float defaultValue, uint16_t owner, uint16_t parameterIndex)
    : KeyEditor(context, kEnvelopeEditor),
      title_(title ? title : ""),
      hasTitle_(title != nullptr),
      scale_(scale),
      defaultValue_(defaultValue),
      owner_(owner),
      parameterIndex_(parameterIndex),
      graph_(scale) {}

void EnvelopeEditor::openEnvelopeEditor(HWND parent) {
  EffectSettings& record = session().record();
  const EnvelopeTarget target = findOrAddEnvelope(record, owner_, parameterIndex_);
  EnvelopeComponent* envelope = target.envelope;
  if (!envelope) return warn(parent, "Error creating envelope", "Out of Memory");
  OwnedComponent<EnvelopeComponent> backup(static_cast<EnvelopeComponent*>(envelope->clone()));
  if (envelope->keyCount == 0) {
    envelope->insertKey({0.0f, defaultValue_, 0, 0, 0, 0, 0});
    envelope->insertKey({1.0f, defaultValue_, 0, 0, 0, 0, 0});
  }
  const INT_PTR result = run(parent, *envelope);
  // Cancel leaves the record as it was before the editor opened: an
  // envelope the editor added goes again.
  if (result == kRemove || (result == kCancel && target.added)) {
    envelope->setKeyCount(0);
    record.description.removeComponent(kEnvelopes, envelope);
  } else if (result == kCancel && backup) {
    envelope->copyFrom(*backup);
  }
}

void EnvelopeEditor::onInitView() {
  if (hasTitle_) SetWindowTextA(window(), title_.c_str());
  showNumber(IDC_ENVELOPE_BOTTOM_VALUE, valueFormat(), scale_.minValue);
  showNumber(IDC_ENVELOPE_TOP_VALUE, valueFormat(), scale_.maxValue);
  graph_.locate(window(), graph());
  session().recordChanged();
}

HWND EnvelopeEditor::graph() const { return GetDlgItem(window(), IDC_ENVELOPE_GRAPH); }

void EnvelopeEditor::redraw() {
  cursorTime_ = sliderTime();
  graph_.draw(graph(), component(), cursorTime_);
}

// The time cursor moves by erasing it where it was drawn (XOR) and drawing
// it at the slider's time.
void EnvelopeEditor::showTimeMoved() {
  graph_.drawCursor(graph(), component(), cursorTime_);
  cursorTime_ = sliderTime();
  graph_.drawCursor(graph(), component(), cursorTime_);
}

EnvelopeKey EnvelopeEditor::keyBetween(float t) {
  return {t, component().evaluate(t), 0, 0, 0, 0, 0};
}

void EnvelopeEditor::showValues(const EnvelopeKey& key, bool) {
  showNumber(IDC_ENVELOPE_VALUE, valueFormat(), key.value);
}

bool EnvelopeEditor::readValues(EnvelopeKey& key) {
  return readNumber(IDC_ENVELOPE_VALUE, key.value) && key.value >= scale_.minValue &&
         key.value <= scale_.maxValue;
}

std::string EnvelopeEditor::rangeMessage() const {
  char text[96];
  std::snprintf(text, sizeof text,
                scale_.percentMode ? "Value must be between %g%% and %g%%"
                                   : "Value must be between %g and %g",
                scale_.minValue, scale_.maxValue);
  return text;
}

EnvelopeKey EnvelopeEditor::pasted(const EnvelopeKey& key) const {
  EnvelopeKey clamped = key;
  clamped.value = std::clamp(key.value, scale_.minValue, scale_.maxValue);
  return clamped;
}

// Up and Down change the key's value by a value step, with Shift by a grid
// step; percent values from the mouse are whole percents, and so are the
// keyboard's.
bool EnvelopeEditor::onViewKey(WPARAM key, bool alt) {
  if (alt || (key != VK_UP && key != VK_DOWN)) return false;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const float step = shift ? scale_.gridStep : scale_.percentMode ? 1.0f : scale_.valueStep;
  changeValueBy(key == VK_UP ? step : -step);
  return true;
}

void EnvelopeEditor::changeValueBy(float step) {
  EnvelopeComponent& envelope = component();
  const int index = envelope.keyIndexAt(sliderTime());
  if (index < 0) return;
  EnvelopeKey& key = envelope.keys[index];
  key.value = std::clamp(key.value + step, scale_.minValue, scale_.maxValue);
  refreshControls();
  redraw();
  afterEdit();
}

}  // namespace vta
