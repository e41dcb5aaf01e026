// Common shape of the pages of the selection sheet: one object per page
// class, reachable through the class's instance pointer while it exists,
// and a dialog procedure that hands every message to the pane handler
// first and then to the page.
#pragma once

#include <windows.h>

#include "platform/boundary.h"
#include "ui/sheet/dialog_page.h"
#include "ui/pane/preview_pane.h"

namespace vta {

template <class Page>
class SheetPage : public DialogPage {
 public:
  static inline Page* instance = nullptr;
  // Pages whose every message may change the record check for a preview
  // restart after each one; the others after commands and scrolls.
  static constexpr bool kChecksEveryMessage = false;

 protected:
  SheetPage() : DialogPage(&SheetPage::procedure) { instance = static_cast<Page*>(this); }
  ~SheetPage() { instance = nullptr; }

  // The page's own handling, after the pane handler's; pages override it by
  // declaring their own.
  void handleMessage(UINT, WPARAM, LPARAM) {}

 private:
  // Always returns 0, so pages never ask the system to set the focus; a
  // failure inside leaves the message to the default handling.
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return guarded<INT_PTR>(0, [&]() -> INT_PTR {
      Page* page = instance;
      handlePaneMessage(page, window, message, wParam, lParam);
      if (page) page->handleMessage(message, wParam, lParam);
      if (Page::kChecksEveryMessage || message == WM_COMMAND || message == WM_HSCROLL) {
        checkPreviewRestart();
      }
      return 0;
    });
  }
};

}  // namespace vta
