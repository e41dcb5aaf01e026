// The path editor (dialog 121): the user shapes the motion path of one
// object, typing a key's position, rotation and scale or dragging them in a
// view of the scene that the preview's renderer draws. The Objects page makes
// one on the sheet's state, tells it the object and runs it. OK keeps the
// edits, Cancel puts the whole record back as it was, Remove takes the path
// out of the record.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "model/components/path.h"
#include "model/effect_description.h"
#include "model/effect_settings.h"
#include "preview/render_job.h"
#include "preview/renderer_binding.h"
#include "ui/editors/key_editor.h"

namespace vta {

// How a drag changes the key: the tool, the view it is made in, and the
// mouse's buttons and Shift key.
enum class PathTool { kMove = 0, kRotate = 1, kStretch = 2 };
enum PathView : uint32_t {
  kCameraView = 16,
  kSideView = 32,
  kTopView = 64,
  kPerspectiveView = 128
};
struct PathDrag {
  PathTool tool;
  uint32_t view;
  bool leftButton;
  bool shift;
};
// The change of the tool's three values for a mouse movement of dx, dy.
struct AxisDeltas {
  float x = 0, y = 0, z = 0;
};
AxisDeltas pathDragDeltas(const PathDrag& drag, int dx, int dy);

class PathEditor final : public KeyEditor<PathComponent> {
 public:
  explicit PathEditor(SheetContext& context);
  ~PathEditor();

  void setObjectId(uint32_t id) { objectId_ = id; }
  // Finds or copies the object's path in the sheet's record and runs the
  // dialog modally over parent; without a path anywhere nothing is shown.
  void openPathEditor(HWND parent);

 private:
  void onInitView() override;
  void onDestroyView() override;
  void onOwnCommand(int id) override;
  void redraw() override;
  void showTimeMoved() override { redraw(); }
  PathKey keyBetween(float t) override;
  void showValues(const PathKey& key, bool onKey) override;
  bool readValues(PathKey& key) override;
  std::string rangeMessage() const override;
  Press pressAt(int x, int y, bool left) override;
  void dragTo(int x, int y, bool left, WPARAM keys) override;
  std::string dragReadout() override;
  bool hidesCursorWhileDragging() const override { return true; }
  bool onViewKey(WPARAM key, bool alt) override;
  void resetEndKey(PathKey& key) override;

  void bindView();
  void unbindView();
  void renderView();
  void copyKey();
  // Changes the key by the tool's values for a movement of dx, dy.
  void moveKey(PathKey& key, const PathDrag& drag, int dx, int dy);
  // The key at the slider's time moved by one step of the tool.
  void nudge(int dx, int dy);
  // The next drawing frames the view anew.
  void frameView();

  EffectSettings* record_ = nullptr;
  std::unique_ptr<EffectSettings> backup_;
  std::unique_ptr<RenderJob> job_;
  uint32_t objectId_ = 0;
  HWND viewWindow_ = nullptr;
  HDC viewDC_ = nullptr;
  DynamicLibrary renderer_;
  RendererEntries entries_;
  void* context_ = nullptr;
  uint32_t view_ = kCameraView;
  bool frameNext_ = false;
  bool focusShown_ = false;
  PathTool tool_ = PathTool::kMove;
  bool axis_[3] = {true, true, true};
  bool changed_[3] = {};  // the axes the drag has changed so far
  uint32_t dragKeyIndex_ = 0;
  int lastX_ = 0, lastY_ = 0;
};

}  // namespace vta
