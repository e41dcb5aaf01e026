// The "Filter Options" page (dialog 113), present only in filter mode.
#pragma once

#include "ui/sheet/sheet_page.h"

namespace vta {

class FilterPage final : public SheetPage<FilterPage> {
 public:
  static constexpr bool kChecksEveryMessage = true;
  static constexpr int kTemplate = 113;
  static constexpr const char* kTitle = "Filter Options";
};

}  // namespace vta
