#include "ui/pages/options_page.h"

#include <commctrl.h>

#include <utility>

#include "options_page_ids.h"
#include "ui/pages/envelope_buttons.h"
#include "ui/pages/record_controls.h"
#include "ui/sheet/preferences.h"
#include "ui/sheet/sheet_state.h"

namespace vta {
namespace {

// In the order the page writes them.
constexpr RadioBinding kRadios[] = {
    {IDC_OPTIONS_SMOOTH, IDC_OPTIONS_WIRE, VTA_RENDER_STYLE},
    {IDC_OPTIONS_QUALITY_FASTEST, IDC_OPTIONS_QUALITY_BEST, VTA_QUALITY},
    {IDC_OPTIONS_IMAGE_FASTEST, IDC_OPTIONS_IMAGE_BEST, VTA_IMAGE_QUALITY}};
constexpr CheckBinding kChecks[] = {{IDC_OPTIONS_ANTIALIASING, VTA_ANTIALIASING},
                                    {IDC_OPTIONS_LIGHTING, VTA_LIGHTING}};
constexpr SliderBinding kSliders[] = {
    {IDC_OPTIONS_SHADOWS, VTA_SHADOWS, 0, 100, 10},
    {IDC_OPTIONS_BLUR_PERCENT, VTA_BLUR_PERCENT, 0, 100, 10},
    {IDC_OPTIONS_BLUR_COUNT, VTA_BLUR_COUNT, 0, 10, 0},
    {IDC_OPTIONS_LIGHT_DIRECTION, VTA_LIGHT_DIRECTION, 0, 360, 45},
    {IDC_OPTIONS_PERIOD, VTA_TRANSITION_PERIOD, 0, 100, 10}};
constexpr RadioBinding kFlyMode = {IDC_OPTIONS_FLY_OFF, IDC_OPTIONS_FLY_ON, VTA_FLY_MODE};

const EnvelopeButton kEnvelopeButtons[] = {{IDC_OPTIONS_LIGHTING_ENVELOPE,
                                            IDC_OPTIONS_LIGHTING,
                                            VTA_LIGHTING,
                                            "Lighting Off/On Envelope",
                                            {0, 1, 1, 1, false}},
                                           {IDC_OPTIONS_SHADOWS_ENVELOPE,
                                            IDC_OPTIONS_SHADOWS,
                                            VTA_SHADOWS,
                                            "Shadows Envelope",
                                            {0, 100, 1, 10, true}},
                                           {IDC_OPTIONS_LIGHT_DIRECTION_ENVELOPE,
                                            IDC_OPTIONS_LIGHT_DIRECTION,
                                            VTA_LIGHT_DIRECTION,
                                            "Light Direction Envelope",
                                            {0, 360, 1, 45, false}},
                                           {IDC_OPTIONS_BLUR_PERCENT_ENVELOPE,
                                            IDC_OPTIONS_BLUR_PERCENT,
                                            VTA_BLUR_PERCENT,
                                            "Blur Percent Envelope",
                                            {0, 100, 1, 10, true}},
                                           {IDC_OPTIONS_BLUR_COUNT_ENVELOPE,
                                            IDC_OPTIONS_BLUR_COUNT,
                                            VTA_BLUR_COUNT,
                                            "Blur Count Envelope",
                                            {0, 10, 1, 1, false}}};

constexpr int kFirstObjectIndex = VTA_OBJECT_PARAM_INDEX(0, 0);
constexpr int kSecondObjectIndex = VTA_OBJECT_PARAM_INDEX(1, 0);
constexpr int kThirdObjectIndex = VTA_OBJECT_PARAM_INDEX(2, 0);

// Objects 1 and 2 trade their options and the envelopes that animate them.
void exchangeFirstTwoObjects(EffectSettings& record) {
  std::swap(record.objectParams[0], record.objectParams[1]);
  for (EffectComponent* member = record.description.lists[kEnvelopes].head; member;
       member = member->next) {
    auto* envelope = static_cast<EnvelopeComponent*>(member);
    if (envelope->linkId != 0) continue;
    const int index = envelope->parameterIndex;
    if (index >= kFirstObjectIndex && index < kSecondObjectIndex)
      envelope->parameterIndex += 100;
    else if (index >= kSecondObjectIndex && index < kThirdObjectIndex)
      envelope->parameterIndex -= 100;
  }
}

}  // namespace

void OptionsPage::start() {
  for (const SliderBinding& slider : kSliders) setUpSlider(*this, slider);
  const bool flyModeEditable = !sheet().filterMode();
  for (int id : {IDC_OPTIONS_TYPE_LABEL, IDC_OPTIONS_FLY_OFF, IDC_OPTIONS_FLY_ON}) {
    setControlEnabled(id, flyModeEditable);
  }
  loadControls();
  checkPreviewRestart();
}

void OptionsPage::loadControls() {
  EffectSettings* record = sheet().record;
  if (!record) return;
  if (record->globalParams[VTA_ANTIALIASING] > 1.0f) record->globalParams[VTA_ANTIALIASING] = 1.0f;
  showOption(*this, *record, kFlyMode);
  for (const RadioBinding& radios : kRadios) showOption(*this, *record, radios);
  for (const CheckBinding& box : kChecks) showOption(*this, *record, box);
  for (const SliderBinding& slider : kSliders) showOption(*this, *record, slider);
  updateEnvelopeButtons();
}

void OptionsPage::saveControls() {
  EffectSettings* record = sheet().record;
  if (!record) return;
  storeFlyMode(getCheckedRadio(kFlyMode.first, kFlyMode.last));
  for (const RadioBinding& radios : kRadios) storeOption(*this, *record, radios);
  for (const CheckBinding& box : kChecks) storeOption(*this, *record, box);
  for (const SliderBinding& slider : kSliders) storeOption(*this, *record, slider);
}

// Reversing an effect of type 1 brings object 2 in where object 1 left:
// with "Reverse 1 and 2" on, their settings change places too.
void OptionsPage::storeFlyMode(int flyMode) {
  SheetState& state = sheet();
  EffectSettings& record = *state.record;
  const bool changed = flyMode != wholeValue(record.globalParams[VTA_FLY_MODE]);
  if (changed && state.selectedEffect && state.selectedEffect->effectType == 1 &&
      state.preferences && state.preferences->autoReverse) {
    exchangeFirstTwoObjects(record);
  }
  record.globalParams[VTA_FLY_MODE] = static_cast<float>(flyMode);
}

void OptionsPage::updateEnvelopeButtons() {
  for (const EnvelopeButton& e : kEnvelopeButtons)
    showEnvelopeButton(*this, sheet().record, e, e.element);
}

void OptionsPage::editEnvelope(int button) {
  EffectSettings* record = sheet().record;
  for (const EnvelopeButton& e : kEnvelopeButtons) {
    if (e.button != button) continue;
    vta::editEnvelope(*this, sheet(), e, e.element, record ? record->globalParams[e.element] : 0.0f);
  }
}

void OptionsPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: start(); break;
    case WM_HSCROLL:
      if (lParam) updateTrackbarLabel(reinterpret_cast<HWND>(lParam));
      // Dragging the thumb only moves the label; the value is taken on release.
      if (LOWORD(wParam) != TB_THUMBTRACK) saveControls();
      break;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (HIWORD(wParam) == BN_CLICKED && id >= IDC_OPTIONS_LIGHTING_ENVELOPE &&
          id <= IDC_OPTIONS_BLUR_COUNT_ENVELOPE) {
        editEnvelope(id);
        updateEnvelopeButtons();
      }
      saveControls();
      break;
    }
  }
}

}  // namespace vta
