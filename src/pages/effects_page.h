// The "   FX" page (dialog 102): effect groups and icon buttons.
#pragma once

#include "model/effect_description.h"
#include "pages/sheet_page.h"

namespace vta {

class EffectsPage final : public SheetPage<EffectsPage> {
 public:
  static constexpr int kTemplate = 102;
  static constexpr const char* kTitle = "   FX";

  // The index of the group whose icons the page shows; 0 until another is shown.
  int shownGroup() const { return shownGroup_; }
  // The full description of the selected effect; null while none is loaded.
  const EffectDescription* selectedDescription() const { return selectedLoaded_ ? &selected_ : nullptr; }

 private:
  int shownGroup_ = 0;
  bool selectedLoaded_ = false;
  EffectDescription selected_;
};

}  // namespace vta
