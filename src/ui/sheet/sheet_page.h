// A page of the selection sheet: the sheet describes it with its template
// and title, and its one procedure hands every message to the page's pane
// first, then to the page, then lets the session check whether the record
// changed.
#pragma once

#include <windows.h>
#include <prsht.h>

#include "ui/sheet/sheet_dialog.h"

namespace vta {

class SheetPage : public SheetDialog {
 public:
  // The page's entry in the sheet: its object travels in lParam.
  PROPSHEETPAGEA describe();

 protected:
  // checksEveryMessage: every message may change the record (else only
  // commands and scrolls do).
  SheetPage(SheetContext& context, int templateId, const char* title,
            bool checksEveryMessage = false)
      : SheetDialog(&procedure, context),
        templateId_(templateId),
        title_(title),
        checksEveryMessage_(checksEveryMessage) {}

 private:
  // Always returns 0, so pages never ask the system to set the focus; a
  // failure inside leaves the message to the default handling.
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  const int templateId_;
  const char* const title_;
  const bool checksEveryMessage_;
};

}  // namespace vta
