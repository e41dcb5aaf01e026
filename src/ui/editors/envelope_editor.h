// The envelope editor (dialog 118): the user shapes the envelope that drives
// one parameter of the record with the time slider, the key boxes and the
// mouse on the graph, loads and saves envelope files, and watches the
// preview follow. A page fills a request, calls openEnvelopeEditor and
// destroys the request; the result is the record's envelope list.
#pragma once

#include <windows.h>

#include <string>

#include "curves/key_history.h"
#include "model/components/envelope.h"
#include "model/effect_settings.h"
#include "ui/editors/edit_box_memory.h"
#include "ui/editors/editor_shortcuts.h"
#include "ui/editors/envelope_graph.h"
#include "ui/sheet/sheet_dialog.h"

namespace vta {

class EnvelopeEditor final : public SheetDialog {
 public:
  static constexpr int kTemplate = 118;
  // The editor whose dialog is open, reached by its dialog procedure.
  static inline EnvelopeEditor* current = nullptr;

  // title may be null (the template's caption stays). owner is the linkId of
  // the edited envelope: 0 for a parameter of the record, else an object's
  // id. defaultValue is the value of both keys a keyless envelope gets.
  EnvelopeEditor(SheetContext& context, const char* title, const EnvelopeScale& scale,
                 float defaultValue, uint16_t owner, uint16_t parameterIndex);
  ~EnvelopeEditor();

  // Finds or makes the envelope, runs the dialog modally over parent, then
  // keeps the edits (OK), puts the record back as it was (Cancel) or removes
  // the envelope (Remove).
  void openEnvelopeEditor(HWND parent);

 private:
  enum Result { kKeep = 0, kCancel = 1, kRemove = 2 };

  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK graphProcedure(HWND graph, UINT message, WPARAM wParam, LPARAM lParam);
  void handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void start();
  void onCommand(int id, int code);
  void onEditFocus(int id, int code);
  void onTimeSlider(HWND slider);

  // The slider's time, made as every key time is.
  float sliderTime();
  bool keyAt(float t, EnvelopeKey& key) const;
  // The index of the first key at exactly time t, or -1.
  int keyIndexAt(float t) const;
  void refreshControls();
  void redrawGraph();
  void moveCursorTo(float t);
  void stepToKey(bool forward);
  void applyKeyFields();
  // Replaces the key at key.time, or inserts key when there is none.
  void storeKey(const EnvelopeKey& key);
  void deleteKeyAtTime();
  void loadFile();
  void saveFile();
  // Every user action that may change the keys ends here: it becomes one
  // step of the history (a drag only at its end) and the preview restarts.
  void afterEdit();

  void onShortcut(EditorShortcut shortcut);
  void restoreKeys(const KeyHistory<EnvelopeKey>::State* keys);
  void copyKeyForPasting();
  void pasteCopiedKey();

  // Gives the graph control the keyboard handling of graphProcedure.
  void takeGraphKeys();
  // A key pressed on the focused graph; false for the keys it leaves alone.
  bool onGraphKey(WPARAM key);
  void moveSliderBy(int percent);
  void changeValueBy(float step);
  void deleteOrResetKey();

  void mouseDown(float t, float value);
  void dragTo(float value);
  void endDrag();
  void onMouse(UINT message, WPARAM keys, LPARAM lParam);

  std::string title_;
  bool hasTitle_;
  EnvelopeScale scale_;
  float defaultValue_;
  EffectSettings* settings_;
  uint16_t owner_, parameterIndex_;
  EnvelopeGraph graph_;
  EnvelopeComponent* envelope_ = nullptr;
  bool dragging_ = false;
  uint32_t dragKeyIndex_ = 0;
  float currentTime_ = 0;
  EditBoxMemory boxMemory_;
  KeyHistory<EnvelopeKey> history_;
  EditorShortcuts shortcuts_;
};

}  // namespace vta
