// For test programs that link the user interface in: the library's dialog
// templates are this program's own resources, and its common controls are
// registered as the library's first call registers them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/library_state.h"

namespace vta::test {

inline void useLinkedLibrary() {
  setModuleInstance(GetModuleHandleA(nullptr));
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
}

}  // namespace vta::test
