#include "ui/editors/editor_shortcuts.h"

#include <optional>

#include "platform/boundary.h"

namespace vta {
namespace {

bool held(int virtualKey) { return GetKeyState(virtualKey) < 0; }

bool isEditBox(HWND window) {
  char kind[16] = "";
  return GetClassNameA(window, kind, sizeof kind) && lstrcmpiA(kind, "Edit") == 0;
}

// Alt with Ctrl is AltGr on many keyboards: it types characters, so it is
// no shortcut.
std::optional<EditorShortcut> shortcutOf(WPARAM virtualKey) {
  if (!held(VK_CONTROL) || held(VK_MENU)) return std::nullopt;
  switch (virtualKey) {
    case 'Z': return held(VK_SHIFT) ? EditorShortcut::kRedo : EditorShortcut::kUndo;
    case 'Y': return EditorShortcut::kRedo;
    case 'C': return EditorShortcut::kCopy;
    case 'V': return EditorShortcut::kPaste;
  }
  return std::nullopt;
}

}  // namespace

void EditorShortcuts::start(HWND dialog, std::function<void(EditorShortcut)> handle) {
  stop();
  hook_ = SetWindowsHookExA(WH_MSGFILTER, &EditorShortcuts::filter, nullptr, GetCurrentThreadId());
  if (!hook_) return;
  dialog_ = dialog;
  handle_ = std::move(handle);
  listening_ = this;
}

void EditorShortcuts::stop() {
  if (hook_) UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
  dialog_ = nullptr;
  handle_ = nullptr;
  if (listening_ == this) listening_ = nullptr;
}

// The dialog's message loop (IsDialogMessage) calls the filter with
// MSGF_DIALOGBOX for every message it takes; the dialogs opened over the
// editor (message boxes, file dialogs) have windows of their own.
LRESULT CALLBACK EditorShortcuts::filter(int code, WPARAM wParam, LPARAM lParam) {
  const bool taken = code == MSGF_DIALOGBOX && guarded<bool>(false, [&] {
                       return listening_ && listening_->take(*reinterpret_cast<MSG*>(lParam));
                     });
  return taken ? TRUE : CallNextHookEx(nullptr, code, wParam, lParam);
}

bool EditorShortcuts::take(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.hwnd != dialog_ && !IsChild(dialog_, message.hwnd)) return false;
  if (isEditBox(message.hwnd)) return false;
  const std::optional<EditorShortcut> shortcut = shortcutOf(message.wParam);
  if (!shortcut) return false;
  handle_(*shortcut);
  return true;
}

}  // namespace vta
