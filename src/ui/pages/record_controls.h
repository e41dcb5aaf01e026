// Controls bound to reals of the record: sliders, radio groups and check
// boxes that show a global option and write it back as a whole number.
#pragma once

#include <cstddef>

#include "model/effect_settings.h"
#include "ui/controls/dialog_page.h"
#include "vantaro/vantaro.h"

namespace vta {

// The whole number a record real holds, truncated toward zero; 0 for
// not-a-number and the nearest int for values beyond the int range.
int wholeValue(float value);

struct SliderBinding {
  int id;         // the trackbar; its value label is id + 1
  int parameter;  // global option index
  int minimum, maximum;
  int step;  // tick frequency and page size; 0: neither is set
};

struct RadioBinding {
  int first, last;  // the group's buttons; the value is the offset from first
  int parameter;
};

struct CheckBinding {
  int id;
  int parameter;
};

// Whether control id belongs to the binding.
constexpr bool binds(const SliderBinding& s, int id) { return s.id == id; }
constexpr bool binds(const RadioBinding& r, int id) { return id >= r.first && id <= r.last; }
constexpr bool binds(const CheckBinding& c, int id) { return c.id == id; }

// The binding of bindings that control id belongs to, or null.
template <class Binding, size_t N>
const Binding* bindingOf(const Binding (&bindings)[N], int id) {
  for (const Binding& b : bindings) {
    if (binds(b, id)) return &b;
  }
  return nullptr;
}

void setUpSlider(DialogPage& page, const SliderBinding& slider);
// A slider or check box showing value; what it shows, as a record real.
void showValue(DialogPage& page, const SliderBinding& slider, float value);
void showValue(DialogPage& page, const CheckBinding& box, float value);
float shownValue(DialogPage& page, const SliderBinding& slider);
float shownValue(DialogPage& page, const CheckBinding& box);
void showOption(DialogPage& page, const EffectSettings& record, const SliderBinding& slider);
void showOption(DialogPage& page, const EffectSettings& record, const RadioBinding& radios);
void showOption(DialogPage& page, const EffectSettings& record, const CheckBinding& box);
void storeOption(DialogPage& page, EffectSettings& record, const SliderBinding& slider);
void storeOption(DialogPage& page, EffectSettings& record, const RadioBinding& radios);
void storeOption(DialogPage& page, EffectSettings& record, const CheckBinding& box);

}  // namespace vta
