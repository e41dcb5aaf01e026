// The "Options" page (dialog 103): the record's global rendering options.
// Five of them can be animated: their "E" buttons open the envelope editor,
// and while an envelope drives an option its control is disabled. Each
// control the user changes writes its own option, and nothing else.
#pragma once

#include "ui/sheet/sheet_page.h"

namespace vta {

class OptionsPage final : public SheetPage {
 public:
  explicit OptionsPage(SheetContext& context) : SheetPage(context, 103, "Options") {}

 private:
  void onInit() override;
  void onCommand(int id, int code) override;
  void onScroll(HWND trackbar, int code) override;
  void showControls();
  void updateEnvelopeButtons();
  void editEnvelope(int button);
};

}  // namespace vta
