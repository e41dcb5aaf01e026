// The envelope editor's key fields: what they show at the slider's time,
// stepping between keys, and keys made, changed and deleted from them.
#include <cstdio>
#include <cstdlib>

#include "curves/kb_spline.h"
#include "envelope_editor_ids.h"
#include "ui/editors/envelope_editor.h"

namespace vta {
namespace {

// Keys are looked for this far beyond the slider's time.
constexpr float kStepSlack = 0.001f;
constexpr int kFieldSize = 80;

float numberIn(DialogPage& page, int id) {
  char text[kFieldSize];
  page.getText(id, text, sizeof text);
  return static_cast<float>(std::atof(text));
}

void showNumber(DialogPage& page, int id, const char* format, float value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  page.setText(id, text);
}

}  // namespace

float EnvelopeEditor::sliderTime() {
  return keyTimeFromPercent(getTrackbarValue(IDC_ENVELOPE_TIME));
}

bool EnvelopeEditor::keyAt(float t, EnvelopeKey& key) const {
  return envelope_->findKey(t, key) != 0;
}

int EnvelopeEditor::keyIndexAt(float t) const {
  for (uint32_t i = 0; i < envelope_->keyCount; ++i) {
    if (envelope_->keys[i].time == t) return static_cast<int>(i);
  }
  return -1;
}

void EnvelopeEditor::refreshControls() {
  const float t = sliderTime();
  EnvelopeKey key{t, envelope_->evaluate(t), 0, 0, 0, 0, 0};
  const bool onKey = keyAt(t, key);
  setControlEnabled(IDC_ENVELOPE_PREVIOUS_KEY, !(onKey && key.time == 0.0f));
  setControlEnabled(IDC_ENVELOPE_NEXT_KEY, !(onKey && key.time == 1.0f));
  char caption[48];
  std::snprintf(caption, sizeof caption, "Value at %g%%%s", t * 100.0f, onKey ? " * KEY *" : "");
  setText(IDC_ENVELOPE_VALUE_GROUP, caption);
  setControlEnabled(IDC_ENVELOPE_CREATE_KEY, !onKey);
  setControlEnabled(IDC_ENVELOPE_DELETE_KEY, onKey && t != 0.0f && t != 1.0f);
  showNumber(*this, IDC_ENVELOPE_VALUE, scale_.percentMode ? "%g%%" : "%g", key.value);
  showNumber(*this, IDC_ENVELOPE_TENSION, "%g", key.tension);
  showNumber(*this, IDC_ENVELOPE_CONTINUITY, "%g", key.continuity);
  showNumber(*this, IDC_ENVELOPE_BIAS, "%g", key.bias);
  setCheck(IDC_ENVELOPE_LINEAR, key.linear != 0);
  boxMemory_.rememberFocused(window());
}

void EnvelopeEditor::redrawGraph() {
  graph_.draw(GetDlgItem(window(), IDC_ENVELOPE_GRAPH), *envelope_, sliderTime());
}

// The time cursor moves by erasing it where it was (XOR) and drawing it anew.
void EnvelopeEditor::moveCursorTo(float t) {
  HWND graph = GetDlgItem(window(), IDC_ENVELOPE_GRAPH);
  graph_.drawCursor(graph, *envelope_, currentTime_);
  currentTime_ = t;
  refreshControls();
  graph_.drawCursor(graph, *envelope_, currentTime_);
}

void EnvelopeEditor::stepToKey(bool forward) {
  const float t = sliderTime();
  const EnvelopeKey* target = nullptr;
  for (uint32_t i = 0; i < envelope_->keyCount; ++i) {
    const EnvelopeKey& key = envelope_->keys[i];
    if (forward && key.time - t > kStepSlack) {
      target = &key;
      break;
    }
    if (!forward && t - key.time > kStepSlack) target = &key;
  }
  if (!target) return;
  const float time = target->time;
  HWND graph = GetDlgItem(window(), IDC_ENVELOPE_GRAPH);
  graph_.drawCursor(graph, *envelope_, currentTime_);
  currentTime_ = time;
  setTrackbarValue(IDC_ENVELOPE_TIME, static_cast<int>(0.5f + 100.0f * time));
  refreshControls();
  graph_.drawCursor(graph, *envelope_, currentTime_);
}

void EnvelopeEditor::applyKeyFields() {
  const float value = numberIn(*this, IDC_ENVELOPE_VALUE);
  if (value < scale_.minValue || value > scale_.maxValue) {
    char text[96];
    std::snprintf(text, sizeof text,
                  scale_.percentMode ? "Value must be between %g%% and %g%%"
                                     : "Value must be between %g and %g",
                  scale_.minValue, scale_.maxValue);
    MessageBoxA(window(), text, "Problem with value", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const float t = sliderTime();
  EnvelopeKey key{t,
                  value,
                  numberIn(*this, IDC_ENVELOPE_TENSION),
                  numberIn(*this, IDC_ENVELOPE_CONTINUITY),
                  numberIn(*this, IDC_ENVELOPE_BIAS),
                  static_cast<uint16_t>(isChecked(IDC_ENVELOPE_LINEAR) ? 1 : 0),
                  0};
  storeKey(key);
}

void EnvelopeEditor::storeKey(const EnvelopeKey& key) {
  const int index = keyIndexAt(key.time);
  if (index >= 0) {
    envelope_->setKey(static_cast<uint32_t>(index), key);
  } else {
    envelope_->insertKey(key);
  }
  refreshControls();
  redrawGraph();
}

void EnvelopeEditor::deleteKeyAtTime() {
  EnvelopeKey key;
  if (keyAt(sliderTime(), key)) envelope_->deleteKey(key);
  refreshControls();
  redrawGraph();
}

}  // namespace vta
