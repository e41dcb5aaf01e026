#include "ui/pane/pane_reports.h"

#include "ui/controls/dialog_page.h"

namespace vta {

void PaneReports::post(UINT message, int value) const {
  HWND window = window_;
  if (window) PostMessageA(window, message, static_cast<WPARAM>(value), 0);
}

void PaneReports::activate(DialogPage* dialog) {
  active_ = dialog;
  window_ = dialog ? dialog->window() : nullptr;
}

void PaneReports::enterEditor(DialogPage& editor) {
  if (active_ != &editor) return_ = active_;
  activate(&editor);
}

DialogPage* PaneReports::leaveEditor(DialogPage& editor) {
  if (active_ != &editor || !return_) return nullptr;
  DialogPage* returned = return_;
  return_ = nullptr;
  activate(returned);
  return returned;
}

}  // namespace vta
