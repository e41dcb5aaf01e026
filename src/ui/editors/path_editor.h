// The path editor (dialog 121): the user shapes the motion path of one
// object, typing a key's position, rotation and scale or dragging them in a
// view of the scene that the preview's renderer draws. The Objects page makes
// one on the host's record, tells it the object and runs it. OK keeps the
// edits, Cancel puts the whole record back as it was, Remove takes the path
// out of the record.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "curves/key_history.h"
#include "model/components/path.h"
#include "model/effect_description.h"
#include "model/effect_settings.h"
#include "preview/render_job.h"
#include "preview/renderer_binding.h"
#include "ui/editors/edit_box_memory.h"
#include "ui/editors/editor_shortcuts.h"
#include "ui/sheet/sheet_dialog.h"

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

class PathEditor final : public SheetDialog {
 public:
  static constexpr int kTemplate = 121;
  static inline PathEditor* current = nullptr;

  explicit PathEditor(SheetContext& context);
  ~PathEditor();

  void setObjectId(uint32_t id) { objectId_ = id; }
  // Finds or copies the object's path and runs the dialog modally over
  // parent; without a path anywhere nothing is shown.
  void openPathEditor(HWND parent);

 private:
  enum Result { kKeep = 0, kCancel = 1, kRemove = 2 };

  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void start();
  void bindView();
  void unbindView();
  void drawView();
  void onCommand(int id, int code);
  void onEditFocus(int id, int code);

  float sliderTime();
  // The index of the first key within 0.01 of t, or -1.
  int storedKeyNear(float t) const;
  void refreshControls();
  void stepToKey(bool forward);
  bool commitKey();
  void applyEditsToKey();
  void deleteKeyAtTime();
  void copyKey();
  void loadPath();
  void savePath();
  // Every user action that may change the keys ends here: it becomes one
  // step of the history (a drag only at its end) and the preview restarts.
  void afterEdit();

  void onShortcut(EditorShortcut shortcut);
  void restoreKeys(const KeyHistory<PathKey>::State* keys);
  void copyKeyForPasting();
  void pasteCopiedKey();

  void startDrag(LPARAM at);
  void applyDrag(WPARAM keys, LPARAM at);
  void endDrag(WPARAM keys, LPARAM at);
  void onCaptureChanged();
  void stopDragging();

  EffectSettings* record_;
  std::unique_ptr<EffectSettings> backup_;
  std::unique_ptr<EffectDescription> effect_;
  std::unique_ptr<RenderJob> job_;
  uint32_t objectId_ = 0;
  PathComponent* path_ = nullptr;
  HWND viewWindow_ = nullptr;
  HDC viewDC_ = nullptr;
  DynamicLibrary renderer_;
  RendererEntries entries_;
  void* context_ = nullptr;
  uint32_t view_ = kCameraView;
  PathTool tool_ = PathTool::kMove;
  bool axis_[3] = {true, true, true};
  bool dragging_ = false;
  uint32_t currentKeyIndex_ = 0;
  int lastX_ = 0, lastY_ = 0;
  EditBoxMemory boxMemory_;
  KeyHistory<PathKey> history_;
  EditorShortcuts shortcuts_;
};

}  // namespace vta
