// Dragging in the path editor: a press stores the typed values as the key at
// the slider's time, then mouse movements change that key's position,
// rotation or scale by the tool, the view and the buttons held. The focused
// view's keys: Alt and an arrow key move the key at the slider's time as a
// drag of one pixel does, F frames the view anew.
#include "ui/editors/path_editor.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "path_editor_ids.h"

namespace vta {
namespace {

constexpr float kMoveStep = 0.01f, kPlanMoveStep = 0.025f, kTurnStep = 0.5f, kStretchStep = 0.01f;
constexpr float kPlacementLimit = 2000.0f;

// The tool's three values and their boxes.
struct ToolValues {
  const char* name;
  float PathKey::*fields[3];
  int boxes[3];
  bool wraps;  // position and scale wrap round at the limits; rotation is free
};

const ToolValues kToolValues[] = {
    {"Position",
     {&PathKey::positionX, &PathKey::positionY, &PathKey::positionZ},
     {IDC_PATH_POSITION_X, IDC_PATH_POSITION_Y, IDC_PATH_POSITION_Z},
     true},
    {"Rotation",
     {&PathKey::rotationX, &PathKey::rotationY, &PathKey::rotationZ},
     {IDC_PATH_ROTATION_X, IDC_PATH_ROTATION_Y, IDC_PATH_ROTATION_Z},
     false},
    {"Scale",
     {&PathKey::scaleX, &PathKey::scaleY, &PathKey::scaleZ},
     {IDC_PATH_SCALE_X, IDC_PATH_SCALE_Y, IDC_PATH_SCALE_Z},
     true}};
const char kAxisNames[] = "XYZ";

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
  std::fill(std::begin(changed_), std::end(changed_), false);
  return Press::kDragging;
}

void PathEditor::dragTo(int x, int y, bool left, WPARAM keys) {
  PathComponent& path = component();
  if (dragKeyIndex_ < path.keyCount) {
    moveKey(path.keys[dragKeyIndex_], {tool_, view_, left, (keys & MK_SHIFT) != 0},
            static_cast<short>(x - lastX_), static_cast<short>(y - lastY_));
  }
  redraw();
  lastX_ = x;
  lastY_ = y;
}

void PathEditor::moveKey(PathKey& key, const PathDrag& drag, int dx, int dy) {
  const AxisDeltas d = pathDragDeltas(drag, dx, dy);
  const float deltas[3] = {d.x, d.y, d.z};
  const ToolValues& values = kToolValues[static_cast<int>(tool_)];
  for (int axis = 0; axis < 3; ++axis) {
    if (deltas[axis] == 0 || !axis_[axis]) continue;
    float& value = key.*values.fields[axis];
    value += deltas[axis];
    if (values.wraps) value = wrapped(value);
    changed_[axis] = true;
    showNumber(values.boxes[axis], "%g", value);
  }
}

// The tool's values the drag has changed, as the boxes show them.
std::string PathEditor::dragReadout() {
  const PathComponent& path = component();
  if (dragKeyIndex_ >= path.keyCount) return "";
  const ToolValues& values = kToolValues[static_cast<int>(tool_)];
  std::string text = values.name;
  for (int axis = 0; axis < 3; ++axis) {
    if (!changed_[axis]) continue;
    char value[40];
    std::snprintf(value, sizeof value, "  %c %g", kAxisNames[axis],
                  path.keys[dragKeyIndex_].*values.fields[axis]);
    text += value;
  }
  return text;
}

bool PathEditor::onViewKey(WPARAM key, bool alt) {
  if (!alt) {
    if (key != 'F') return false;
    frameView();
    return true;
  }
  switch (key) {
    case VK_LEFT: nudge(-1, 0); break;
    case VK_RIGHT: nudge(1, 0); break;
    case VK_UP: nudge(0, -1); break;
    case VK_DOWN: nudge(0, 1); break;
    default: return false;
  }
  return true;
}

void PathEditor::nudge(int dx, int dy) {
  const int index = component().keyIndexAt(sliderTime());
  if (index < 0) return;
  moveKey(component().keys[index], {tool_, view_, true, false}, dx, dy);
  redraw();
  afterEdit();
}

// An end key goes back to where the object is without a path: in place,
// unturned, at its own size.
void PathEditor::resetEndKey(PathKey& key) {
  for (float PathKey::*field : {&PathKey::positionX, &PathKey::positionY, &PathKey::positionZ,
                                &PathKey::rotationX, &PathKey::rotationY, &PathKey::rotationZ}) {
    key.*field = 0;
  }
  key.scaleX = key.scaleY = key.scaleZ = 1;
}

}  // namespace vta
