#include "ui/pages/record_controls.h"

#include <climits>
#include <cmath>

namespace vta {

int wholeValue(float value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<float>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<float>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

void setUpSlider(DialogPage& page, const SliderBinding& s) {
  page.setTrackbarRange(s.id, s.minimum, s.maximum, s.step);
}

void showValue(DialogPage& page, const SliderBinding& s, float value) {
  page.setTrackbarValue(s.id, wholeValue(value));
}

void showValue(DialogPage& page, const CheckBinding& c, float value) {
  page.setCheck(c.id, wholeValue(value) != 0);
}

float shownValue(DialogPage& page, const SliderBinding& s) {
  return static_cast<float>(page.getTrackbarValue(s.id));
}

float shownValue(DialogPage& page, const CheckBinding& c) {
  return page.isChecked(c.id) ? 1.0f : 0.0f;
}

void showOption(DialogPage& page, const EffectSettings& record, const SliderBinding& s) {
  showValue(page, s, record.globalParams[s.parameter]);
}

void showOption(DialogPage& page, const EffectSettings& record, const RadioBinding& r) {
  // A value outside the group marks no button.
  const int value = wholeValue(record.globalParams[r.parameter]), count = r.last - r.first + 1;
  page.checkRadio(r.first, r.last, value >= 0 && value < count ? value : count);
}

void showOption(DialogPage& page, const EffectSettings& record, const CheckBinding& c) {
  showValue(page, c, record.globalParams[c.parameter]);
}

void storeOption(DialogPage& page, EffectSettings& record, const SliderBinding& s) {
  record.globalParams[s.parameter] = shownValue(page, s);
}

void storeOption(DialogPage& page, EffectSettings& record, const RadioBinding& r) {
  record.globalParams[r.parameter] = static_cast<float>(page.getCheckedRadio(r.first, r.last));
}

void storeOption(DialogPage& page, EffectSettings& record, const CheckBinding& c) {
  record.globalParams[c.parameter] = shownValue(page, c);
}

}  // namespace vta
