// The editors' shortcut keys: Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo,
// Ctrl+C copies the key at the slider's time and Ctrl+V pastes it there. They
// work wherever the focus is in the editor's dialog, except in an edit box,
// where they keep their usual meaning for the box's text.
#pragma once

#include <windows.h>

#include <functional>

namespace vta {

enum class EditorShortcut { kUndo, kRedo, kCopy, kPaste };

// The dialog manager hands a modal dialog's keys to the focused control, so
// the shortcuts are taken from the dialog's message loop by a message-filter
// hook before the dialog manager sees them. The hook finds the listening
// object through a property of the dialog the key was pressed in.
class EditorShortcuts {
 public:
  EditorShortcuts() = default;
  ~EditorShortcuts() { stop(); }
  EditorShortcuts(const EditorShortcuts&) = delete;
  EditorShortcuts& operator=(const EditorShortcuts&) = delete;

  // From now until stop(), the shortcuts pressed in dialog go to handle.
  void start(HWND dialog, std::function<void(EditorShortcut)> handle);
  void stop();

 private:
  static LRESULT CALLBACK filter(int code, WPARAM wParam, LPARAM lParam);
  bool take(const MSG& message);

  HWND dialog_ = nullptr;
  HHOOK hook_ = nullptr;
  std::function<void(EditorShortcut)> handle_;
};

}  // namespace vta
