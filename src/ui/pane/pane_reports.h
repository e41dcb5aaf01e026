// Where the preview worker's reports go: the window of the active dialog
// (the page shown, or the editor open over it), by posted messages, so the
// worker never waits for the dialog thread. One per run of the sheet.
#pragma once

#include <windows.h>

#include <atomic>

#include "preview/preview_renderer.h"

namespace vta {

class DialogPage;

// Posted to the active dialog: the render started or ended (the Render
// button's text may change), and its progress (wParam).
constexpr UINT kPaneStateMessage = WM_APP + 0x5650;
constexpr UINT kPaneProgressMessage = WM_APP + 0x5651;

class PaneReports final : public PreviewListener {
 public:
  void renderStateChanged() override { post(kPaneStateMessage, 0); }
  void progressChanged(int percent) override { post(kPaneProgressMessage, percent); }

  DialogPage* activeDialog() const { return active_; }
  DialogPage* returnDialog() const { return return_; }
  // Reports go to dialog's window from now on (null: nowhere).
  void activate(DialogPage* dialog);
  // An editor takes over from the dialog active before it...
  void enterEditor(DialogPage& editor);
  // ...which gets the reports back when the editor's window goes; true
  // when it did, so the returning dialog can catch up on what it missed.
  DialogPage* leaveEditor(DialogPage& editor);

 private:
  void post(UINT message, int value) const;

  std::atomic<HWND> window_{nullptr};  // read by the worker thread
  DialogPage* active_ = nullptr;
  DialogPage* return_ = nullptr;
};

}  // namespace vta
