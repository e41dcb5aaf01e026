// The "Options" page (dialog 103): the record's global rendering options.
#pragma once

#include "ui/sheet/sheet_page.h"

namespace vta {

class OptionsPage final : public SheetPage<OptionsPage> {
 public:
  static constexpr int kTemplate = 103;
  static constexpr const char* kTitle = "Options";
};

}  // namespace vta
