#pragma once
// The text an editor's edit box held when it took the focus. Leaving the box
// applies the key's fields only when that text was changed. The editors also
// rewrite their boxes while one of them has the focus (the slider moved to
// another key, an undo, a drag on the graph); the box then shows the editor's
// rounded display of the key, which must not be taken for the user's edit,
// so a refresh remembers the new text of the focused box.

#include <windows.h>

#include <string>

namespace vta {

class EditBoxMemory {
 public:
  // On EN_SETFOCUS.
  void remember(HWND box);
  // On EN_KILLFOCUS: true when the box's text is no longer the remembered one.
  bool changed(HWND box) const;
  // After the editor rewrote its boxes: remembers the text of the edit box of
  // dialog that has the focus, if one has.
  void rememberFocused(HWND dialog);

 private:
  std::string text_;
};

// True when window is an edit box.
bool isEditBox(HWND window);

}  // namespace vta
