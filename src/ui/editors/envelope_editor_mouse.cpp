// Editing the envelope with the mouse on the graph: a press near a key grabs
// it and sets its value, a press elsewhere makes a key at the nearest whole
// percent, and a drag moves the grabbed key's value or, with Shift held, its
// time: 0.1 % for each pixel the pointer moves across (with Ctrl as well, a
// whole percent), between its neighbours.
#include <cstdio>

#include "curves/key_editing.h"
#include "envelope_editor_ids.h"
#include "ui/editors/envelope_editor.h"

namespace vta {
namespace {

// A press grabs a key this close in time, and within this share of the
// value range.
constexpr float kGrabTime = 0.03f;
constexpr float kGrabValueShare = 0.05f;
constexpr double kFineTimeStep = 0.001, kWholeTimeStep = 0.01;

}  // namespace

KeyEditor<EnvelopeComponent>::Press EnvelopeEditor::pressAt(int x, int y, bool left) {
  float t = 0, value = 0;
  if (!left || !graph_.toPoint(x, y, false, t, value)) return Press::kMissed;
  const float tolerance = (scale_.maxValue - scale_.minValue) * kGrabValueShare;
  const int index = pressEnvelope(component(), t, value, kGrabTime, tolerance);
  if (index < 0) return Press::kTaken;
  dragKeyIndex_ = static_cast<uint32_t>(index);
  pressX_ = x;
  pressTime_ = component().keys[index].time;
  setTrackbarValue(IDC_ENVELOPE_TIME, percentOfTime(component().keys[index].time));
  refreshControls();
  redraw();
  return Press::kDragging;
}

// A move in time takes the slider along to the key's nearest whole percent.
void EnvelopeEditor::dragTo(int x, int y, bool, WPARAM keys) {
  float t = 0, value = 0;
  EnvelopeComponent& envelope = component();
  if (dragKeyIndex_ >= envelope.keyCount || !graph_.toPoint(x, y, true, t, value)) return;
  EnvelopeKey& key = envelope.keys[dragKeyIndex_];
  if (keys & MK_SHIFT) {
    const double step = keys & MK_CONTROL ? kWholeTimeStep : kFineTimeStep;
    if (retimeKey(dragKeyIndex_, pressTime_ + (x - pressX_) * step, 1 / step)) {
      setTrackbarValue(IDC_ENVELOPE_TIME, percentOfTime(key.time));
      updateTrackbarLabel(GetDlgItem(window(), IDC_ENVELOPE_TIME));
    }
  } else {
    key.value = value;
    showNumber(IDC_ENVELOPE_VALUE, valueFormat(), value);
  }
  redraw();
}

std::string EnvelopeEditor::dragReadout() {
  const EnvelopeComponent& envelope = component();
  if (dragKeyIndex_ >= envelope.keyCount) return "";
  const EnvelopeKey& key = envelope.keys[dragKeyIndex_];
  char value[32], text[64];
  std::snprintf(value, sizeof value, valueFormat(), key.value);
  std::snprintf(text, sizeof text, "%s at %.1f%%", value, key.time * 100.0f);
  return text;
}

}  // namespace vta
