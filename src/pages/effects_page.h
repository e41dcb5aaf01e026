// The "   FX" page (dialog 102): effect groups and icon buttons.
#pragma once

#include "pages/sheet_page.h"

namespace vta {

class EffectsPage final : public SheetPage<EffectsPage> {
 public:
  static constexpr int kTemplate = 102;
  static constexpr const char* kTitle = "   FX";
};

}  // namespace vta
