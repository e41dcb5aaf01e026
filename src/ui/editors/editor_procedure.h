// The dialog procedure both editors share: every message but painting, and
// a context menu of the dialog itself, goes to the shared pane handler
// first, whose result is returned; then the editor handles it. No exception
// leaves it.
#pragma once

#include <windows.h>

#include "platform/boundary.h"
#include "ui/sheet/sheet_dialog.h"

namespace vta {

template <class HandleMessage>
INT_PTR editorProcedure(SheetDialog* editor, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        HandleMessage&& handleMessage) {
  return guarded<INT_PTR>(0, [&]() -> INT_PTR {
    INT_PTR result = 0;
    const bool ownMenu = message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == window;
    if (message != WM_PAINT && !ownMenu) {
      if (message == WM_INITDIALOG && editor) editor->setWindow(window);
      if (editor) editor->pane().handle(message, wParam, lParam);
    }
    handleMessage();
    return result;
  });
}

}  // namespace vta
