// The keyframe editor's shortcuts (undo and redo through the keys' history,
// the key at the slider's time copied and pasted) and its curve files.
#include "curves/key_editing.h"
#include "model/components/envelope.h"
#include "model/components/path.h"
#include "ui/editors/key_editor.h"
#include "ui/pane/preview_pane.h"

namespace vta {
namespace {

// The copied key, kept for the editors of its kind only.
void keepCopy(CopiedKey& copied, const EnvelopeKey& key) {
  copied = {CopiedKey::Kind::kEnvelope, key, {}};
}
void keepCopy(CopiedKey& copied, const PathKey& key) { copied = {CopiedKey::Kind::kPath, {}, key}; }

const EnvelopeKey* copyFor(const CopiedKey& copied, const EnvelopeKey*) {
  return copied.kind == CopiedKey::Kind::kEnvelope ? &copied.envelopeKey : nullptr;
}
const PathKey* copyFor(const CopiedKey& copied, const PathKey*) {
  return copied.kind == CopiedKey::Kind::kPath ? &copied.pathKey : nullptr;
}

}  // namespace

// Nothing is edited by the keyboard while the mouse drags a key.
template <class Component>
void KeyEditor<Component>::onShortcut(EditorShortcut shortcut) {
  if (dragging_) return;
  switch (shortcut) {
    case EditorShortcut::kUndo: restoreKeys(history_.undo()); break;
    case EditorShortcut::kRedo: restoreKeys(history_.redo()); break;
    case EditorShortcut::kCopy: copyKeyForPasting(); break;
    case EditorShortcut::kPaste: pasteCopiedKey(); break;
  }
}

template <class Component>
void KeyEditor<Component>::restoreKeys(const typename KeyHistory<Key>::State* keys) {
  if (!keys) return;
  component_->copyKeys(keys->data(), static_cast<uint32_t>(keys->size()));
  refreshControls();
  redraw();
  session().recordChanged();
}

template <class Component>
void KeyEditor<Component>::copyKeyForPasting() {
  const int index = component_->keyIndexAt(sliderTime());
  if (index >= 0) keepCopy(session().copiedKey(), component_->keys[index]);
}

// Stored as Create stores the boxes: over the key at the slider's time,
// which keeps its time, or as a new key.
template <class Component>
void KeyEditor<Component>::pasteCopiedKey() {
  const Key* copied = copyFor(session().copiedKey(), static_cast<const Key*>(nullptr));
  if (!copied) return;
  Key key = pasted(*copied);
  key.time = sliderTime();
  component_->storeKey(key);
  refreshControls();
  redraw();
  afterEdit();
}

template <class Component>
void KeyEditor<Component>::loadFile() {
  char file[kCurveFileNameSize];
  if (askCurveFile(window(), kind_.files, false, kind_.loadTitle, file) &&
      loadKeys(file) == CurveFileResult::kFailed) {
    showFileError(window(), kind_.readError);
  }
  refreshControls();
  redraw();
}

// Only the file's keys are taken, and only keys the editor can work with:
// a file without keys, or with times out of order, is refused like an
// unreadable one. A file of another kind changes nothing, silently.
template <class Component>
CurveFileResult KeyEditor<Component>::loadKeys(const char* file) {
  OwnedComponent<Component> loaded(static_cast<Component*>(component_->clone()));
  if (!loaded) return CurveFileResult::kFailed;
  const CurveFileResult result = kind_.load(file, *loaded);
  if (result != CurveFileResult::kDone) return result;
  if (!usableKeys(loaded->keys, loaded->keyCount) ||
      !component_->copyKeys(loaded->keys, loaded->keyCount)) {
    return CurveFileResult::kFailed;
  }
  return CurveFileResult::kDone;
}

template <class Component>
void KeyEditor<Component>::saveFile() {
  char file[kCurveFileNameSize];
  if (askCurveFile(window(), kind_.files, true, kind_.saveTitle, file) &&
      kind_.save(file, *component_) == CurveFileResult::kFailed) {
    showFileError(window(), kind_.writeError);
  }
  refreshControls();
  redraw();
}

#define VTA_EDIT_MEMBERS(Component)                                                          \
  template void KeyEditor<Component>::onShortcut(EditorShortcut);                            \
  template void KeyEditor<Component>::restoreKeys(const KeyHistory<Component::KeyType>::State*); \
  template void KeyEditor<Component>::copyKeyForPasting();                                   \
  template void KeyEditor<Component>::pasteCopiedKey();                                      \
  template void KeyEditor<Component>::loadFile();                                            \
  template CurveFileResult KeyEditor<Component>::loadKeys(const char*);                      \
  template void KeyEditor<Component>::saveFile();
VTA_EDIT_MEMBERS(EnvelopeComponent)
VTA_EDIT_MEMBERS(PathComponent)
#undef VTA_EDIT_MEMBERS

}  // namespace vta
