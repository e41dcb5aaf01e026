// The envelope editor's shortcuts: undo and redo through the keys' history,
// and the key at the slider's time copied and pasted.
#include <algorithm>

#include "ui/editors/envelope_editor.h"
#include "ui/pane/preview_pane.h"

namespace vta {

// Nothing is edited by the keyboard while the mouse drags a key.
void EnvelopeEditor::onShortcut(EditorShortcut shortcut) {
  if (dragging_) return;
  switch (shortcut) {
    case EditorShortcut::kUndo: restoreKeys(history_.undo()); break;
    case EditorShortcut::kRedo: restoreKeys(history_.redo()); break;
    case EditorShortcut::kCopy: copyKeyForPasting(); break;
    case EditorShortcut::kPaste: pasteCopiedKey(); break;
  }
}

void EnvelopeEditor::restoreKeys(const KeyHistory<EnvelopeKey>::State* keys) {
  if (!keys) return;
  const uint32_t count = static_cast<uint32_t>(keys->size());
  envelope_->setKeyCount(count);
  for (uint32_t i = 0; i < count; ++i) envelope_->setKey(i, (*keys)[i]);
  refreshControls();
  redrawGraph();
  session().recordChanged();
}

void EnvelopeEditor::copyKeyForPasting() {
  EnvelopeKey key;
  if (keyAt(sliderTime(), key)) session().copiedKey() = {CopiedKey::Kind::kEnvelope, key, {}};
}

void EnvelopeEditor::pasteCopiedKey() {
  const CopiedKey& copied = session().copiedKey();
  if (copied.kind != CopiedKey::Kind::kEnvelope) return;
  EnvelopeKey key = copied.envelopeKey;
  key.time = sliderTime();
  key.value = std::clamp(key.value, scale_.minValue, scale_.maxValue);
  storeKey(key);
  afterEdit();
}

}  // namespace vta
