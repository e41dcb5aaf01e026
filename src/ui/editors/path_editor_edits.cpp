// The path editor's shortcuts: undo and redo through the keys' history, and
// the key at the slider's time copied and pasted.
#include "ui/editors/path_editor.h"
#include "ui/pane/preview_pane.h"

namespace vta {

// Nothing is edited by the keyboard while the mouse drags a key.
void PathEditor::onShortcut(EditorShortcut shortcut) {
  if (dragging_) return;
  switch (shortcut) {
    case EditorShortcut::kUndo: restoreKeys(history_.undo()); break;
    case EditorShortcut::kRedo: restoreKeys(history_.redo()); break;
    case EditorShortcut::kCopy: copyKeyForPasting(); break;
    case EditorShortcut::kPaste: pasteCopiedKey(); break;
  }
}

void PathEditor::restoreKeys(const KeyHistory<PathKey>::State* keys) {
  if (!keys) return;
  const uint32_t count = static_cast<uint32_t>(keys->size());
  path_->setKeyCount(count);
  for (uint32_t i = 0; i < count; ++i) path_->setKey(i, (*keys)[i]);
  refreshControls();
  drawView();
  session().recordChanged();
}

// The key the boxes show at the slider's time.
void PathEditor::copyKeyForPasting() {
  PathKey key;
  if (path_->findKey(sliderTime(), key)) session().copiedKey() = {CopiedKey::Kind::kPath, {}, key};
}

// Stored as Create stores the boxes: over the key within 0.01 of the
// slider's time, keeping that key's time, or as a new key.
void PathEditor::pasteCopiedKey() {
  const CopiedKey& copied = session().copiedKey();
  if (copied.kind != CopiedKey::Kind::kPath) return;
  PathKey key = copied.pathKey;
  key.time = sliderTime();
  const int stored = storedKeyNear(key.time);
  if (stored >= 0) {
    key.time = path_->keys[stored].time;
    path_->setKey(static_cast<uint32_t>(stored), key);
  } else {
    path_->insertKey(key);
  }
  refreshControls();
  drawView();
  afterEdit();
}

}  // namespace vta
