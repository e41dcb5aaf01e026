// The "Settings" page (dialog 114). It keeps the preferences for the sheet's
// run; the other pages read them through the sheet state.
#pragma once

#include "ui/sheet/preferences.h"
#include "ui/sheet/sheet_page.h"
#include "ui/sheet/sheet_state.h"

namespace vta {

class SettingsPage final : public SheetPage<SettingsPage> {
 public:
  static constexpr bool kChecksEveryMessage = true;
  static constexpr int kTemplate = 114;
  static constexpr const char* kTitle = "Settings";

  SettingsPage() {
    preferences_.load();
    sheet().preferences = &preferences_;
  }
  ~SettingsPage() { sheet().preferences = nullptr; }

 private:
  Preferences preferences_;
};

}  // namespace vta
