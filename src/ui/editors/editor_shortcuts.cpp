#include "ui/editors/editor_shortcuts.h"

#include <optional>

#include "platform/boundary.h"
#include "ui/editors/edit_box_memory.h"

namespace vta {
namespace {

constexpr char kListenerProperty[] = "VantaroEditorShortcuts";

bool held(int virtualKey) { return GetKeyState(virtualKey) < 0; }

// The shortcuts listening in the dialog that holds window, if any.
EditorShortcuts* listenerOf(HWND window) {
  HWND dialog = window ? GetAncestor(window, GA_ROOT) : nullptr;
  return dialog ? static_cast<EditorShortcuts*>(GetPropA(dialog, kListenerProperty)) : nullptr;
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
  SetPropA(dialog, kListenerProperty, this);
}

void EditorShortcuts::stop() {
  if (hook_) UnhookWindowsHookEx(hook_);
  if (dialog_ && GetPropA(dialog_, kListenerProperty) == this) {
    RemovePropA(dialog_, kListenerProperty);
  }
  hook_ = nullptr;
  dialog_ = nullptr;
  handle_ = nullptr;
}

// The dialog's message loop (IsDialogMessage) calls the filter with
// MSGF_DIALOGBOX for every message it takes; the dialogs opened over the
// editor (message boxes, file dialogs) have windows of their own.
LRESULT CALLBACK EditorShortcuts::filter(int code, WPARAM wParam, LPARAM lParam) {
  const bool taken = code == MSGF_DIALOGBOX && guarded<bool>(false, [&] {
                       const MSG& message = *reinterpret_cast<MSG*>(lParam);
                       EditorShortcuts* listener = listenerOf(message.hwnd);
                       return listener && listener->take(message);
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
