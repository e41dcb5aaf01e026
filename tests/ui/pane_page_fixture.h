#pragma once
// Pages built from the library's own templates (linked into the test
// program) whose procedure is only the shared pane handler, shown on a
// host window of their own.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "ui/sheet/dialog_page.h"
#include "ui/library_state.h"
#include "ui/pane/preview_pane.h"

namespace vta::test {

// A dialog handled by the shared pane handler alone; kTag tells several
// apart in one test.
template <int kTag>
class PaneDialog : public DialogPage {
 public:
  PaneDialog() : DialogPage(&procedure) { current = this; }
  ~PaneDialog() { current = nullptr; }
  static inline PaneDialog* current = nullptr;

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return handlePaneMessage(current, window, message, wParam, lParam);
  }
};

// The Settings page template made into page_ on a popup host window.
class SettingsPageOnHost : public ::testing::Test {
 protected:
  static constexpr int kSettingsPage = 114;

  void SetUp() override {
    setModuleInstance(GetModuleHandleA(nullptr));
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    host_ = CreateWindowA("STATIC", "host", WS_POPUP | WS_VISIBLE, 0, 0, 800, 500, nullptr, nullptr,
                          nullptr, nullptr);
    CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kSettingsPage), host_,
                       page_.dialogProc(), 0);
    ASSERT_NE(nullptr, page_.window());
  }
  void TearDown() override { DestroyWindow(host_); }

  HWND host_ = nullptr;
  PaneDialog<0> page_;
};

}  // namespace vta::test
