// The "Filter Options" page (dialog 113), present only in filter mode: which
// of the effect's sources the clip replaces, the moment shown, the frame
// count, three rotations and a distance. It reads the record again each time
// it is shown, since the Effects page may have chosen another effect.
#pragma once

#include "ui/sheet/sheet_page.h"

namespace vta {

class FilterPage final : public SheetPage {
 public:
  explicit FilterPage(SheetContext& context) : SheetPage(context, 113, "Filter Options", true) {}

 private:
  void onInit() override;
  void onNotify(const NMHDR& header) override;
  void onCommand(int id, int code) override;
  void onScroll(HWND trackbar, int code) override;
  void showControls();
};

}  // namespace vta
