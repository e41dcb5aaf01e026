// Editing the envelope with the mouse on the graph: a press near a key grabs
// it and sets its value, a press elsewhere makes a key at the nearest whole
// percent, and a drag moves the grabbed key's value, never its time.
#include "curves/key_editing.h"
#include "envelope_editor_ids.h"
#include "ui/editors/envelope_editor.h"

namespace vta {
namespace {

// A press grabs a key this close in time, and within this share of the
// value range.
constexpr float kGrabTime = 0.03f;
constexpr float kGrabValueShare = 0.05f;

}  // namespace

KeyEditor<EnvelopeComponent>::Press EnvelopeEditor::pressAt(int x, int y, bool left) {
  float t = 0, value = 0;
  if (!left || !graph_.toPoint(x, y, false, t, value)) return Press::kMissed;
  const float tolerance = (scale_.maxValue - scale_.minValue) * kGrabValueShare;
  const int index = pressEnvelope(component(), t, value, kGrabTime, tolerance);
  if (index < 0) return Press::kTaken;
  dragKeyIndex_ = static_cast<uint32_t>(index);
  setTrackbarValue(IDC_ENVELOPE_TIME, percentOfTime(component().keys[index].time));
  refreshControls();
  redraw();
  return Press::kDragging;
}

void EnvelopeEditor::dragTo(int x, int y, bool, bool) {
  float t = 0, value = 0;
  EnvelopeComponent& envelope = component();
  if (dragKeyIndex_ >= envelope.keyCount || !graph_.toPoint(x, y, true, t, value)) return;
  envelope.keys[dragKeyIndex_].value = value;
  showNumber(IDC_ENVELOPE_VALUE, scale_.percentMode ? "%g%%" : "%g", value);
  redraw();
}

}  // namespace vta
