// The keyframe editor's drag, from a press to its end: one drag at a time,
// kept by the button that started it; the mouse captured and, where the
// editor hides it, the cursor hidden once and shown once however it ends
// (the button released, the capture taken by another window, the dialog
// closed); and the readout of what the drag sets from its first movement
// to its end.
#include "model/components/envelope.h"
#include "model/components/path.h"
#include "ui/editors/key_editor.h"

namespace vta {
namespace {

int xOf(LPARAM at) { return static_cast<short>(LOWORD(at)); }
int yOf(LPARAM at) { return static_cast<short>(HIWORD(at)); }
WPARAM buttonFlag(bool left) { return left ? MK_LBUTTON : MK_RBUTTON; }

}  // namespace

// A press during a drag, of the other button, changes nothing. The focus
// comes after the press: an edit box losing it then applies the text the
// press has just shown, and the drag stays one edit.
template <class Component>
void KeyEditor<Component>::onPress(bool left, LPARAM at) {
  if (dragging_) return;
  const Press press = pressAt(xOf(at), yOf(at), left);
  if (press == Press::kMissed) return;
  dragging_ = press == Press::kDragging;
  dragLeft_ = left;
  SetFocus(GetDlgItem(window(), controls().view));
  if (!dragging_) return;
  SetCapture(window());
  if (hidesCursorWhileDragging() && !cursorHidden_) {
    ShowCursor(FALSE);
    cursorHidden_ = true;
  }
}

// Only a move with the drag's button held drags: the system also reports
// the pointer when the capture changes. The readout follows the pointer.
template <class Component>
void KeyEditor<Component>::onMouseMove(WPARAM buttons, LPARAM at) {
  if (!dragging_ || !(buttons & buttonFlag(dragLeft_))) return;
  dragTo(xOf(at), yOf(at), dragLeft_, buttons & (MK_SHIFT | MK_CONTROL));
  readout_.show(window(), dragReadout(), {xOf(at), yOf(at)});
}

// A release of another button, or with no drag of ours (the end of a
// double-click that closed a file dialog), changes nothing.
template <class Component>
void KeyEditor<Component>::onRelease(bool left, WPARAM buttons, LPARAM at) {
  if (!dragging_ || left != dragLeft_) return;
  dragTo(xOf(at), yOf(at), dragLeft_, buttons & (MK_SHIFT | MK_CONTROL));
  ReleaseCapture();  // ends the drag through WM_CAPTURECHANGED
}

template <class Component>
void KeyEditor<Component>::onCaptureChanged() {
  if (!dragging_) return;
  stopDragging();
  refreshControls();
  redraw();
  afterEdit();
}

template <class Component>
void KeyEditor<Component>::stopDragging() {
  dragging_ = false;
  readout_.hide();
  if (!cursorHidden_) return;
  cursorHidden_ = false;
  ShowCursor(TRUE);
}

#define VTA_DRAG_MEMBERS(Component)                                                  \
  template void KeyEditor<Component>::onPress(bool, LPARAM);                         \
  template void KeyEditor<Component>::onMouseMove(WPARAM, LPARAM);                   \
  template void KeyEditor<Component>::onRelease(bool, WPARAM, LPARAM);               \
  template void KeyEditor<Component>::onCaptureChanged();                            \
  template void KeyEditor<Component>::stopDragging();
VTA_DRAG_MEMBERS(EnvelopeComponent)
VTA_DRAG_MEMBERS(PathComponent)
#undef VTA_DRAG_MEMBERS

}  // namespace vta
