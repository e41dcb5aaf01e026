// The "Settings" page (dialog 114): how the Effects page shows effects, how
// the preview renders, which renderer the final render uses; saving the
// current options as defaults. It keeps the preferences for the sheet's run;
// the other pages read them through the sheet state. Every change is written
// to the registry at once.
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

  SettingsPage();
  ~SettingsPage();

  void handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void start();
  void fillEngineLists();
  void showPreferences();
  void onCommand(int id, int code);
  void onScroll(HWND trackbar, int code);
  // Reads every control, stores the preferences and lets the preview follow.
  void apply();
  void readControls();
  void enforceMultithreadedRule();
  void saveDefaultOptions();

  Preferences preferences_;
};

}  // namespace vta
