// Dragging in the path editor: a press stores the typed values as the key at
// the slider's time, then mouse movements change that key's position,
// rotation or scale by the tool, the view and the buttons held.
#include "ui/editors/path_editor.h"

#include <cstdio>

#include "path_editor_ids.h"

namespace vta {
namespace {

constexpr float kMoveStep = 0.01f, kPlanMoveStep = 0.025f, kTurnStep = 0.5f, kStretchStep = 0.01f;
constexpr float kPlacementLimit = 2000.0f;

// The tool's three values and their boxes.
struct ToolValues {
  float PathKey::*fields[3];
  int boxes[3];
  bool wraps;  // position and scale wrap round at the limits; rotation is free
};

const ToolValues kToolValues[] = {{{&PathKey::positionX, &PathKey::positionY, &PathKey::positionZ},
                                   {IDC_PATH_POSITION_X, IDC_PATH_POSITION_Y, IDC_PATH_POSITION_Z},
                                   true},
                                  {{&PathKey::rotationX, &PathKey::rotationY, &PathKey::rotationZ},
                                   {IDC_PATH_ROTATION_X, IDC_PATH_ROTATION_Y, IDC_PATH_ROTATION_Z},
                                   false},
                                  {{&PathKey::scaleX, &PathKey::scaleY, &PathKey::scaleZ},
                                   {IDC_PATH_SCALE_X, IDC_PATH_SCALE_Y, IDC_PATH_SCALE_Z},
                                   true}};

float wrapped(float value) {
  if (value < -kPlacementLimit) return kPlacementLimit;
  if (value > kPlacementLimit) return -kPlacementLimit;
  return value;
}

AxisDeltas moveDeltas(uint32_t view, bool left, int dx, int dy) {
  if (view == kTopView) return {dx * kPlanMoveStep, 0, dy * kPlanMoveStep};
  if (view == kSideView) return {0, dy * -kPlanMoveStep, dx * -kPlanMoveStep};
  return left ? AxisDeltas{dx * kMoveStep, dy * -kMoveStep, 0} : AxisDeltas{0, 0, dy * kMoveStep};
}

}  // namespace

AxisDeltas pathDragDeltas(const PathDrag& drag, int dx, int dy) {
  switch (drag.tool) {
    case PathTool::kMove: return moveDeltas(drag.view, drag.leftButton, dx, dy);
    case PathTool::kRotate:
      return drag.leftButton ? AxisDeltas{dy * kTurnStep, dx * kTurnStep, 0}
                             : AxisDeltas{0, 0, dy * -kTurnStep};
    case PathTool::kStretch:
      if (drag.shift) return {dy * kStretchStep, dy * kStretchStep, dy * kStretchStep};
      return drag.leftButton ? AxisDeltas{dx * kStretchStep, dy * -kStretchStep, 0}
                             : AxisDeltas{0, 0, dy * -kStretchStep};
  }
  return {};
}

// The drag starts only when the typed values could be stored: after a
// refused value the message box has taken the release, and a drag would
// keep the mouse captured and hidden.
void PathEditor::startDrag(LPARAM at) {
  if (!commitKey()) return;
  dragging_ = true;
  SetCapture(window());
  ShowCursor(FALSE);
  lastX_ = static_cast<short>(LOWORD(at));
  lastY_ = static_cast<short>(HIWORD(at));
}

void PathEditor::applyDrag(WPARAM keys, LPARAM at) {
  const int x = static_cast<short>(LOWORD(at)), y = static_cast<short>(HIWORD(at));
  const PathDrag drag{tool_, view_, (keys & MK_LBUTTON) != 0, (keys & MK_SHIFT) != 0};
  const AxisDeltas d =
      pathDragDeltas(drag, static_cast<short>(x - lastX_), static_cast<short>(y - lastY_));
  const float deltas[3] = {d.x, d.y, d.z};
  if (currentKeyIndex_ < path_->keyCount) {
    PathKey key = path_->keys[currentKeyIndex_];
    const ToolValues& values = kToolValues[static_cast<int>(tool_)];
    for (int axis = 0; axis < 3; ++axis) {
      if (deltas[axis] == 0 || !axis_[axis]) continue;
      float& value = key.*values.fields[axis];
      value += deltas[axis];
      if (values.wraps) value = wrapped(value);
      char text[32];
      std::snprintf(text, sizeof text, "%g", value);
      setText(values.boxes[axis], text);
    }
    path_->setKey(currentKeyIndex_, key);
  }
  drawView();
  lastX_ = x;
  lastY_ = y;
}

void PathEditor::endDrag(WPARAM keys, LPARAM at) {
  applyDrag(keys, at);
  ReleaseCapture();  // ends the drag through WM_CAPTURECHANGED
}

void PathEditor::onCaptureChanged() {
  if (!dragging_) return;
  stopDragging();
  refreshControls();
  drawView();
  afterEdit();
}

// However a drag ends (the button released, the capture taken by another
// window, the editor closed by a key), the cursor it hid comes back.
void PathEditor::stopDragging() {
  if (!dragging_) return;
  dragging_ = false;
  ShowCursor(TRUE);
}

}  // namespace vta
