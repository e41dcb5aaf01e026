// Dragging in the path editor: a press stores the typed values as the key at
// the slider's time, then mouse movements change that key's position,
// rotation or scale by the tool, the view and the buttons held.
#include "ui/editors/path_editor.h"

#include <algorithm>

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

// A press stores the typed values as the key at the slider's time and
// drags that key. The drag starts only when the values could be stored:
// after a refused value the message box has taken the release, and a drag
// would keep the mouse captured and hidden.
KeyEditor<PathComponent>::Press PathEditor::pressAt(int x, int y, bool) {
  if (!storeBoxes()) return Press::kMissed;
  dragKeyIndex_ = static_cast<uint32_t>(std::max(component().keyIndexAt(sliderTime()), 0));
  lastX_ = x;
  lastY_ = y;
  return Press::kDragging;
}

void PathEditor::dragTo(int x, int y, bool left, bool shift) {
  const PathDrag drag{tool_, view_, left, shift};
  const AxisDeltas d =
      pathDragDeltas(drag, static_cast<short>(x - lastX_), static_cast<short>(y - lastY_));
  const float deltas[3] = {d.x, d.y, d.z};
  PathComponent& path = component();
  if (dragKeyIndex_ < path.keyCount) {
    PathKey& key = path.keys[dragKeyIndex_];
    const ToolValues& values = kToolValues[static_cast<int>(tool_)];
    for (int axis = 0; axis < 3; ++axis) {
      if (deltas[axis] == 0 || !axis_[axis]) continue;
      float& value = key.*values.fields[axis];
      value += deltas[axis];
      if (values.wraps) value = wrapped(value);
      showNumber(values.boxes[axis], "%g", value);
    }
  }
  redraw();
  lastX_ = x;
  lastY_ = y;
}

}  // namespace vta
