#include "ui/editors/edit_box_memory.h"

namespace vta {
namespace {

std::string boxText(HWND box) {
  char text[32] = "";
  GetWindowTextA(box, text, sizeof text);
  return text;
}

}  // namespace

void EditBoxMemory::remember(HWND box) { text_ = boxText(box); }

bool EditBoxMemory::changed(HWND box) const { return boxText(box) != text_; }

void EditBoxMemory::rememberFocused(HWND dialog) {
  HWND focus = GetFocus();
  if (focus && GetParent(focus) == dialog && isEditBox(focus)) remember(focus);
}

bool isEditBox(HWND window) {
  char kind[16] = "";
  return window && GetClassNameA(window, kind, sizeof kind) && lstrcmpiA(kind, "Edit") == 0;
}

}  // namespace vta
