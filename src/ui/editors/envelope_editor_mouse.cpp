// Editing the envelope with the mouse on the graph: a press near a key grabs
// it and sets its value, a press elsewhere makes a key at the nearest whole
// percent, and a drag moves the grabbed key's value, never its time.
#include <cmath>
#include <cstdio>

#include "envelope_editor_ids.h"
#include "ui/editors/envelope_editor.h"
#include "ui/pane/preview_pane.h"

namespace vta {
namespace {

// A press grabs a key this close in time, and within this share of the
// value range.
constexpr float kGrabTime = 0.03f;
constexpr float kGrabValueShare = 0.05f;

}  // namespace

void EnvelopeEditor::mouseDown(float t, float value) {
  const float tolerance = (scale_.maxValue - scale_.minValue) * kGrabValueShare;
  int hit = -1;
  for (uint32_t i = 0; i < envelope_->keyCount && hit < 0; ++i) {
    const EnvelopeKey& key = envelope_->keys[i];
    if (std::fabs(key.time - t) < kGrabTime && std::fabs(key.value - value) < tolerance) {
      hit = static_cast<int>(i);
    }
  }
  if (hit < 0) {
    // A press at a key's own time but far from its value changes nothing.
    if (keyIndexAt(t) >= 0 || envelope_->keyCount == 0) return;
    EnvelopeKey key = envelope_->keys[envelope_->keyCount - 1];
    key.time = t;
    key.value = value;
    envelope_->insertKey(key);
    hit = keyIndexAt(t);
  } else {
    EnvelopeKey key = envelope_->keys[hit];
    key.value = value;
    envelope_->setKey(hit, key);
  }
  const float keyTime = envelope_->keys[hit].time;
  setTrackbarValue(IDC_ENVELOPE_TIME, static_cast<int>(0.5f + 100.0f * keyTime));
  currentTime_ = keyTime;
  refreshControls();
  redrawGraph();
  dragging_ = true;
  dragKeyIndex_ = static_cast<uint32_t>(hit);
}

void EnvelopeEditor::dragTo(float value) {
  if (dragKeyIndex_ >= envelope_->keyCount) return;
  EnvelopeKey key = envelope_->keys[dragKeyIndex_];
  key.value = value;
  envelope_->setKey(dragKeyIndex_, key);
  char text[32];
  std::snprintf(text, sizeof text, scale_.percentMode ? "%g%%" : "%g", value);
  setText(IDC_ENVELOPE_VALUE, text);
  redrawGraph();
}

void EnvelopeEditor::endDrag() {
  dragging_ = false;
  refreshControls();
  redrawGraph();
}

void EnvelopeEditor::onMouse(UINT message, WPARAM keys, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  float t = 0, value = 0;
  switch (message) {
    case WM_LBUTTONDOWN:
      if (!graph_.toPoint(x, y, false, t, value)) break;
      mouseDown(t, value);
      // The focus comes after the press: an edit box losing it then applies
      // the text the press has just shown, and the drag stays one edit.
      SetFocus(GetDlgItem(window(), IDC_ENVELOPE_GRAPH));
      if (dragging_) SetCapture(window());
      break;
    case WM_MOUSEMOVE:
      // Only a move with the button held drags: the system also reports the
      // pointer when the capture changes.
      if (dragging_ && (keys & MK_LBUTTON) && graph_.toPoint(x, y, true, t, value)) dragTo(value);
      break;
    case WM_LBUTTONUP:
      if (!dragging_) break;
      if (graph_.toPoint(x, y, true, t, value)) dragTo(value);
      ReleaseCapture();  // ends the drag through WM_CAPTURECHANGED
      break;
    case WM_CAPTURECHANGED:
      // The release, or the capture taken away (another window, a key):
      // either way the drag ends with the value it has.
      if (!dragging_) break;
      endDrag();
      afterEdit();
      break;
  }
}

}  // namespace vta
