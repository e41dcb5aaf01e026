// The keyframe editor both modal editors are made of: the time slider, key
// navigation, the key boxes with their memory, Create, Delete, undo and redo,
// copy and paste, Load and Save, and the mouse drag from press to release.
// The envelope and the path editor specialise it for their component: what
// the boxes show besides the spline fields, what a press and a drag do, and
// how the graph or view is drawn.
#pragma once

#include <windows.h>

#include <string>

#include "curves/key_history.h"
#include "model/files/curve_file.h"
#include "ui/editors/curve_file_dialog.h"
#include "ui/editors/drag_readout.h"
#include "ui/editors/edit_box_memory.h"
#include "ui/editors/editor_shortcuts.h"
#include "ui/sheet/sheet_dialog.h"

namespace vta {

// The controls every editor template has, by id; keyTime, the box of the
// key's time in percent, is 0 where the template has none.
struct KeyEditorControls {
  int time, view, group;
  int previous, next, create, deleteKey, remove, load, save;
  int tension, continuity, bias, linear, keyTime;
};

// One kind of editor: its template, controls and curve files.
template <class Component>
struct KeyEditorKind {
  int templateId;
  KeyEditorControls controls;
  const char* groupCaption;  // before the time: "Value at", "Values at"
  CurveFileType files;
  const char* loadTitle;
  const char* saveTitle;
  const char* readError;
  const char* writeError;
  CurveFileResult (*load)(const char* file, Component& into);
  CurveFileResult (*save)(const char* file, const Component& from);
};

template <class Component>
class KeyEditor : public SheetDialog {
 public:
  using Key = typename Component::KeyType;

 protected:
  enum Result { kKeep = 0, kCancel = 1, kRemove = 2 };
  // What a press in the dialog did.
  enum class Press { kMissed, kTaken, kDragging };

  KeyEditor(SheetContext& context, const KeyEditorKind<Component>& kind);
  virtual ~KeyEditor() = default;

  // Runs the dialog modally over parent on component; the Result.
  INT_PTR run(HWND parent, Component& component);

  Component& component() const { return *component_; }
  const KeyEditorControls& controls() const { return kind_.controls; }
  bool dragging() const { return dragging_; }
  // The slider's time, made as every key time is.
  float sliderTime();
  // Moves the slider to percent and shows that time.
  void moveSliderTo(int percent);
  // The fields and buttons for the slider's time.
  void refreshControls();
  // Moves the slider to the next or previous key (steppedPercent).
  void stepToKey(bool forward);
  void deleteKeyAtSlider();
  // Stores the boxes as the key at the slider's time; false, with the range
  // message, when a box holds a value the kind refuses.
  bool storeBoxes();
  // Moves the key at index to the multiple of 1 / steps nearest fraction
  // that lies between its neighbours; false, changing nothing, for an end
  // key or when no multiple lies between them.
  bool retimeKey(uint32_t index, double fraction, double steps);
  // Every user action that may change the keys ends here: it becomes one
  // step of the history (a drag only at its end) and the preview restarts.
  void afterEdit();
  // The number in box id; false when it is no finite 32-bit float.
  bool readNumber(int id, float& value);
  void showNumber(int id, const char* format, float value);
  bool viewFocused() const;

 private:
  virtual void onInitView() = 0;
  virtual void onDestroyView() {}
  virtual void onOwnCommand(int) {}
  // Draws the graph or view whole, with the slider's time.
  virtual void redraw() = 0;
  // Shows a new slider time in the graph or view.
  virtual void showTimeMoved() = 0;
  // What the boxes show at time t between keys.
  virtual Key keyBetween(float t) = 0;
  virtual void showValues(const Key& key, bool onKey) = 0;
  // Reads the kind's values from the boxes; false when one is refused.
  virtual bool readValues(Key& key) = 0;
  virtual std::string rangeMessage() const = 0;
  // A copied key as this editor pastes it.
  virtual Key pasted(const Key& key) const { return key; }
  virtual Press pressAt(int x, int y, bool left) = 0;
  // keys: MK_SHIFT and MK_CONTROL as the mouse message reports them.
  virtual void dragTo(int x, int y, bool left, WPARAM keys) = 0;
  // What the drag has set so far, in the units of the boxes.
  virtual std::string dragReadout() = 0;
  virtual bool hidesCursorWhileDragging() const = 0;
  // A key the focused graph or view takes besides the shared ones; alt when
  // Alt is held. False for a key it leaves alone.
  virtual bool onViewKey(WPARAM, bool) { return false; }
  // What Delete leaves of a key at 0 % or 100 %, which stays.
  virtual void resetEndKey(Key& key) = 0;

  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void dispatchEditor(UINT message, WPARAM wParam, LPARAM lParam);
  // The dialog's own context menu (the copy-key menu) is the editor's.
  bool ownsContextMenu(HWND target) const override { return target == window(); }
  void onInit() override;
  void onDestroy();
  void onPaint();
  void onCommand(int id, int code);
  void onEditFocus(int id, int code);
  void showKeyTime(int index);
  void applyTypedTime();
  bool neighbourTimes(int index, float& before, float& after) const;
  void onScroll(HWND control);
  void onPress(bool left, LPARAM at);
  void onMouseMove(WPARAM buttons, LPARAM at);
  void onRelease(bool left, WPARAM buttons, LPARAM at);
  void onCaptureChanged();
  void stopDragging();

  // The graph or view control keeps its procedure but for the keys, which
  // onViewKeyDown takes, and the focus, which its drawing shows.
  void takeViewKeys();
  static LRESULT CALLBACK viewProcedure(HWND view, UINT message, WPARAM wParam, LPARAM lParam);
  bool onViewKeyDown(WPARAM key, bool alt);
  void moveSliderBy(int percent);
  void deleteOrResetKey();

  void onShortcut(EditorShortcut shortcut);
  void restoreKeys(const typename KeyHistory<Key>::State* keys);
  void copyKeyForPasting();
  void pasteCopiedKey();
  void loadFile();
  CurveFileResult loadKeys(const char* file);
  void saveFile();

  const KeyEditorKind<Component>& kind_;
  Component* component_ = nullptr;
  bool dragging_ = false;
  bool dragLeft_ = true;
  bool cursorHidden_ = false;
  DragReadout readout_;
  EditBoxMemory boxMemory_;
  KeyHistory<Key> history_;
  EditorShortcuts shortcuts_;
};

}  // namespace vta
