// The "Objects" page (dialog 104): settings of one object of the effect at a time.
#pragma once

#include "ui/sheet/sheet_page.h"

namespace vta {

class ObjectsPage final : public SheetPage<ObjectsPage> {
 public:
  static constexpr int kTemplate = 104;
  static constexpr const char* kTitle = "Objects";

  int currentObject = 0;  // the object entry shown, 0-based
};

}  // namespace vta
