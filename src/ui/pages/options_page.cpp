#include "ui/pages/options_page.h"

#include <commctrl.h>

#include "options_page_ids.h"
#include "ui/pages/envelope_buttons.h"
#include "ui/pages/record_controls.h"

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

}  // namespace

void OptionsPage::onInit() {
  for (const SliderBinding& slider : kSliders) setUpSlider(*this, slider);
  const bool flyModeEditable = !session().filterMode();
  for (int id : {IDC_OPTIONS_TYPE_LABEL, IDC_OPTIONS_FLY_OFF, IDC_OPTIONS_FLY_ON}) {
    setControlEnabled(id, flyModeEditable);
  }
  showControls();
  session().recordChanged();
}

// Shows the record as it is; a value a control cannot show (antialiasing
// above 1, a fraction) stays in the record until the user changes it.
void OptionsPage::showControls() {
  const EffectSettings& record = session().record();
  showOption(*this, record, kFlyMode);
  for (const RadioBinding& radios : kRadios) showOption(*this, record, radios);
  for (const CheckBinding& box : kChecks) showOption(*this, record, box);
  for (const SliderBinding& slider : kSliders) showOption(*this, record, slider);
  updateEnvelopeButtons();
}

void OptionsPage::updateEnvelopeButtons() {
  for (const EnvelopeButton& e : kEnvelopeButtons)
    showEnvelopeButton(*this, &session().record(), e, e.element);
}

void OptionsPage::editEnvelope(int button) {
  EffectSettings& record = session().record();
  for (const EnvelopeButton& e : kEnvelopeButtons) {
    if (e.button == button) vta::editEnvelope(*this, e, e.element, record.globalParams[e.element]);
  }
  updateEnvelopeButtons();
}

void OptionsPage::onCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  EffectSettings& record = session().record();
  if (binds(kFlyMode, id)) {
    session().setFlyMode(getCheckedRadio(kFlyMode.first, kFlyMode.last));
  } else if (const RadioBinding* radios = bindingOf(kRadios, id)) {
    storeOption(*this, record, *radios);
  } else if (const CheckBinding* box = bindingOf(kChecks, id)) {
    storeOption(*this, record, *box);
  } else if (id >= IDC_OPTIONS_LIGHTING_ENVELOPE && id <= IDC_OPTIONS_BLUR_COUNT_ENVELOPE) {
    editEnvelope(id);
  }
}

// Dragging the thumb only moves the label; the value is taken on release.
void OptionsPage::onScroll(HWND trackbar, int code) {
  updateTrackbarLabel(trackbar);
  const SliderBinding* slider = bindingOf(kSliders, GetDlgCtrlID(trackbar));
  if (slider && code != TB_THUMBTRACK) storeOption(*this, session().record(), *slider);
}

}  // namespace vta
