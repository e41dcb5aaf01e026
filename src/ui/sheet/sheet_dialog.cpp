#include "ui/sheet/sheet_dialog.h"

namespace vta {

void SheetDialog::attach(HWND window, SheetDialog* object) {
  SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(object));
  if (object) object->setWindow(window);
}

void SheetDialog::handOnToPane(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CONTEXTMENU && ownsContextMenu(reinterpret_cast<HWND>(wParam))) return;
  pane_.handle(message, wParam, lParam);
}

void SheetDialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: onInit(); break;
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); break;
    case WM_HSCROLL:
      if (lParam) onScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
      break;
    case WM_NOTIFY: onNotify(*reinterpret_cast<const NMHDR*>(lParam)); break;
    default: onMessage(message, wParam, lParam); break;
  }
}

}  // namespace vta
