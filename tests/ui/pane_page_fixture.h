#pragma once
// Dialogs built from the library's own templates (linked into the test
// program) whose procedure is only their pane, on a session of their own,
// shown on a host window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "settings_page_ids.h"
#include "ui/library_state.h"
#include "ui/sheet/sheet_dialog.h"
#include "window_driver.h"

namespace vta::test {

// The library's dialog templates are this program's own resources, and its
// common controls are registered as the library's first call registers them.
inline void useLinkedLibrary() {
  setModuleInstance(GetModuleHandleA(nullptr));
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
}

// What one run of the sheet has: a record (its own or a test's), the
// session over it and the reports.
struct TestSheet {
  explicit TestSheet(bool filterMode = false) : TestSheet(ownRecord, filterMode) {}
  explicit TestSheet(EffectSettings& record, bool filterMode = false)
      : session(record, filterMode, &reports) {}
  EffectSettings ownRecord;
  PaneReports reports;
  EditSession session;
  SheetContext context{session, reports};
};

// A dialog whose messages go to its pane alone.
class PaneDialog : public SheetDialog {
 public:
  explicit PaneDialog(SheetContext& context) : SheetDialog(&procedure, context) {}
  HWND create(int templateId, HWND parent) {
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent,
                              dialogProc(), reinterpret_cast<LPARAM>(this));
  }

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) attach(window, reinterpret_cast<PaneDialog*>(lParam));
    if (PaneDialog* dialog = attached<PaneDialog>(window))
      dialog->pane().handle(message, wParam, lParam);
    return 0;
  }
};

// Works the modal window captioned caption that show opens with drive, then
// presses OK unless drive closed it. False when the window did not appear.
inline bool driveThenOk(const char* caption, const std::function<void()>& show,
                        const std::function<void(HWND)>& drive) {
  return driveModal(caption, show, [&](HWND window) {
    drive(window);
    if (IsWindow(window)) PostMessageA(window, WM_COMMAND, IDOK, 0);
  });
}

// The bytes of an editor's keys (an envelope's or a path's), to compare.
template <typename Curve>
std::string keyBytes(const Curve& curve) {
  return std::string(reinterpret_cast<const char*>(curve.keys),
                     curve.keyCount * sizeof *curve.keys);
}

// The Settings page template made into page_ on a popup host window.
class SettingsPageOnHost : public ::testing::Test {
 protected:
  void SetUp() override {
    useLinkedLibrary();
    host_ = CreateWindowA("STATIC", "host", WS_POPUP | WS_VISIBLE, 0, 0, 800, 500, nullptr, nullptr,
                          nullptr, nullptr);
    page_.create(IDD_SETTINGS_PAGE, host_);
    ASSERT_NE(nullptr, page_.window());
  }
  void TearDown() override { DestroyWindow(host_); }

  HWND host_ = nullptr;
  TestSheet sheet_;
  PaneDialog page_{sheet_.context};
};

}  // namespace vta::test
