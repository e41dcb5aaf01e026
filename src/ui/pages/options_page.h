// The "Options" page (dialog 103): the record's global rendering options.
// Five of them can be animated: their "E" buttons open the envelope editor,
// and while an envelope drives an option its control is disabled.
#pragma once

#include "ui/sheet/sheet_page.h"

namespace vta {

class OptionsPage final : public SheetPage<OptionsPage> {
 public:
  static constexpr int kTemplate = 103;
  static constexpr const char* kTitle = "Options";

  void handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void start();
  void loadControls();
  void saveControls();
  void storeFlyMode(int flyMode);
  void updateEnvelopeButtons();
  void editEnvelope(int button);
};

}  // namespace vta
