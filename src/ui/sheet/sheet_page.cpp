#include "ui/sheet/sheet_page.h"

#include "platform/boundary.h"
#include "ui/library_state.h"

namespace vta {

PROPSHEETPAGEA SheetPage::describe() {
  PROPSHEETPAGEA description = {};
  description.dwSize = sizeof description;
  description.dwFlags = PSP_USETITLE | PSP_HASHELP;
  description.hInstance = moduleInstance();
  description.pszTemplate = MAKEINTRESOURCEA(templateId_);
  description.pszTitle = title_;
  description.pfnDlgProc = dialogProc();
  description.lParam = reinterpret_cast<LPARAM>(this);
  return description;
}

INT_PTR CALLBACK SheetPage::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return guarded<INT_PTR>(0, [&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      const auto* description = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
      attach(window, reinterpret_cast<SheetPage*>(description->lParam));
    }
    SheetPage* page = attached<SheetPage>(window);
    if (!page) return 0;
    page->handOnToPane(message, wParam, lParam);
    page->dispatch(message, wParam, lParam);
    if (page->checksEveryMessage_ || message == WM_COMMAND || message == WM_HSCROLL)
      page->session().recordChanged();
    return 0;
  });
}

}  // namespace vta
