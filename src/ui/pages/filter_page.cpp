#include "ui/pages/filter_page.h"

#include <commctrl.h>
#include <prsht.h>

#include "filter_page_ids.h"
#include "ui/pages/record_controls.h"

namespace vta {
namespace {

constexpr SliderBinding kSliders[] = {
    {IDC_FILTER_PERCENT, VTA_FILTER_PERCENT, 0, 100, 10},
    {IDC_FILTER_FRAMES, VTA_FILTER_FRAMES, 10, 200, 20},
    {IDC_FILTER_ROTATE_X, VTA_FILTER_ROTATE_X, 0, 360, 45},
    {IDC_FILTER_ROTATE_Y, VTA_FILTER_ROTATE_Y, 0, 360, 45},
    {IDC_FILTER_ROTATE_Z, VTA_FILTER_ROTATE_Z, 0, 360, 45},
    {IDC_FILTER_DISTANCE, VTA_FILTER_DISTANCE, 0, 200, 10}};

}  // namespace

void FilterPage::showControls() {
  const EffectSettings& record = session().record();
  if (!window()) return;
  clearCombo(IDC_FILTER_SOURCE_LIST);
  if (const EffectDescription* effect = session().selectedEffect()) {
    for (uint32_t i = 0; i < effect->variantCount; ++i) {
      const char* text = effect->variantTexts ? effect->variantTexts[i] : nullptr;
      addComboItem(IDC_FILTER_SOURCE_LIST, text ? text : "");
    }
  }
  // A source past the list shows no selection.
  selectComboIndex(IDC_FILTER_SOURCE_LIST, wholeValue(record.globalParams[VTA_FILTER_SOURCE]));
  for (const SliderBinding& slider : kSliders) showOption(*this, record, slider);
}

void FilterPage::onInit() {
  for (const SliderBinding& slider : kSliders) setUpSlider(*this, slider);
  showControls();
}

void FilterPage::onNotify(const NMHDR& header) {
  if (header.code == PSN_SETACTIVE) showControls();
}

// With nothing selected (no effect, no sources, or a stored source past the
// list) the stored source stays: the renderer never sees -1.
void FilterPage::onCommand(int id, int code) {
  if (id != IDC_FILTER_SOURCE_LIST || code != CBN_SELCHANGE) return;
  const int source = getComboIndex(IDC_FILTER_SOURCE_LIST);
  if (source < 0) return;
  EffectSettings& record = session().record();
  record.globalParams[VTA_FILTER_SOURCE] = static_cast<float>(source);
  record.globalParams[VTA_FILTER_ON] = 1.0f;
}

// Dragging the thumb only moves the label; the value is taken on release.
void FilterPage::onScroll(HWND trackbar, int code) {
  updateTrackbarLabel(trackbar);
  const SliderBinding* slider = bindingOf(kSliders, GetDlgCtrlID(trackbar));
  if (!slider || code == TB_THUMBTRACK) return;
  EffectSettings& record = session().record();
  storeOption(*this, record, *slider);
  record.globalParams[VTA_FILTER_ON] = 1.0f;
}

}  // namespace vta
