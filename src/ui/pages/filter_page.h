// The "Filter Options" page (dialog 113), present only in filter mode: which
// of the effect's sources the clip replaces, the moment shown, the frame
// count, three rotations and a distance. It reads the record again each time
// it is shown, since the Effects page may have chosen another effect.
#pragma once

#include "ui/sheet/sheet_page.h"

namespace vta {

class FilterPage final : public SheetPage<FilterPage> {
 public:
  static constexpr bool kChecksEveryMessage = true;
  static constexpr int kTemplate = 113;
  static constexpr const char* kTitle = "Filter Options";

  void handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void loadControls();
  void saveControls();
};

}  // namespace vta
