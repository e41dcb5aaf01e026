#include "ui/pages/filter_page.h"

#include <commctrl.h>
#include <prsht.h>

#include "filter_page_ids.h"
#include "ui/pages/record_controls.h"
#include "ui/sheet/sheet_state.h"

namespace vta {
namespace {

constexpr SliderBinding kPercent = {IDC_FILTER_PERCENT, VTA_FILTER_PERCENT, 0, 100, 10};
constexpr SliderBinding kFrames = {IDC_FILTER_FRAMES, VTA_FILTER_FRAMES, 10, 200, 20};
constexpr SliderBinding kTurnsAndDistance[] = {
    {IDC_FILTER_ROTATE_X, VTA_FILTER_ROTATE_X, 0, 360, 45},
    {IDC_FILTER_ROTATE_Y, VTA_FILTER_ROTATE_Y, 0, 360, 45},
    {IDC_FILTER_ROTATE_Z, VTA_FILTER_ROTATE_Z, 0, 360, 45},
    {IDC_FILTER_DISTANCE, VTA_FILTER_DISTANCE, 0, 200, 10}};

}  // namespace

void FilterPage::loadControls() {
  const SheetState& state = sheet();
  if (!window() || !state.record) return;
  clearCombo(IDC_FILTER_SOURCE_LIST);
  if (const EffectDescription* effect = state.selectedEffect) {
    for (uint32_t i = 0; i < effect->variantCount; ++i) {
      const char* text = effect->variantTexts ? effect->variantTexts[i] : nullptr;
      addComboItem(IDC_FILTER_SOURCE_LIST, text ? text : "");
    }
  }
  // A source past the list shows no selection.
  selectComboIndex(IDC_FILTER_SOURCE_LIST,
                   wholeValue(state.record->globalParams[VTA_FILTER_SOURCE]));
  showOption(*this, *state.record, kPercent);
  showOption(*this, *state.record, kFrames);
  for (const SliderBinding& slider : kTurnsAndDistance) showOption(*this, *state.record, slider);
}

void FilterPage::saveControls() {
  EffectSettings* record = sheet().record;
  if (!window() || !record) return;
  // With nothing selected (no effect, no sources, or a stored source past
  // the list) the stored source stays: the renderer never sees -1.
  const int source = getComboIndex(IDC_FILTER_SOURCE_LIST);
  if (source >= 0) record->globalParams[VTA_FILTER_SOURCE] = static_cast<float>(source);
  storeOption(*this, *record, kPercent);
  storeOption(*this, *record, kFrames);
  record->globalParams[VTA_FILTER_ON] = 1.0f;
  for (const SliderBinding& slider : kTurnsAndDistance) storeOption(*this, *record, slider);
}

void FilterPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      setUpSlider(*this, kPercent);
      setUpSlider(*this, kFrames);
      for (const SliderBinding& slider : kTurnsAndDistance) setUpSlider(*this, slider);
      loadControls();
      break;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lParam)->code == PSN_SETACTIVE) loadControls();
      break;
    case WM_COMMAND: saveControls(); break;
    case WM_HSCROLL:
      if (lParam) updateTrackbarLabel(reinterpret_cast<HWND>(lParam));
      if (LOWORD(wParam) != TB_THUMBTRACK) saveControls();
      break;
  }
}

}  // namespace vta
