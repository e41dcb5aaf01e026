// The "Settings" page (dialog 114): how the Effects page shows effects, how
// the preview renders, which renderer the final render uses; saving the
// current options as defaults. It edits the session's preferences: a click
// writes them to the registry at once, a choice in a list when the page is
// left or the sheet's OK is pressed.
#pragma once

#include "session/preferences.h"
#include "ui/sheet/sheet_page.h"

namespace vta {

class SettingsPage final : public SheetPage {
 public:
  explicit SettingsPage(SheetContext& context) : SheetPage(context, 114, "Settings", true) {}

 private:
  void onInit() override;
  void onNotify(const NMHDR& header) override;
  void onCommand(int id, int code) override;
  void onScroll(HWND trackbar, int code) override;
  void fillEngineLists();
  void showPreferences();
  // Reads every control, stores the preferences and lets the preview follow.
  void apply();
  void readControls();
  void enforceMultithreadedRule();
  void saveDefaultOptions();

  Preferences& preferences() { return session().preferences(); }
};

}  // namespace vta
