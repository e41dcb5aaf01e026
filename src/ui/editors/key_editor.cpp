// The keyframe editor's dialog: the procedure that finds the editor through
// its window, the dispatcher, and the controls every editor has.
#include "ui/editors/key_editor.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "curves/kb_spline.h"
#include "curves/key_editing.h"
#include "model/components/envelope.h"
#include "model/components/path.h"
#include "platform/boundary.h"
#include "ui/library_state.h"
#include "ui/pane/preview_pane.h"

namespace vta {
namespace {

constexpr int kTimeTick = 10;
constexpr int kFieldSize = 81;
// A typed key time has hundredths of a percent.
constexpr double kTypedTimeSteps = 10000;

}  // namespace

template <class Component>
KeyEditor<Component>::KeyEditor(SheetContext& context, const KeyEditorKind<Component>& kind)
    : SheetDialog(&KeyEditor::procedure, context), kind_(kind) {}

template <class Component>
INT_PTR KeyEditor<Component>::run(HWND parent, Component& component) {
  component_ = &component;
  const INT_PTR result =
      DialogBoxParamA(moduleInstance(), MAKEINTRESOURCEA(kind_.templateId), parent, &procedure,
                      reinterpret_cast<LPARAM>(this));
  component_ = nullptr;
  return result;
}

// Every message but painting, and a context menu of the dialog itself, goes
// to the pane first; then the editor handles it.
template <class Component>
INT_PTR CALLBACK KeyEditor<Component>::procedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  return guarded<INT_PTR>(0, [&]() -> INT_PTR {
    if (message == WM_INITDIALOG) attach(window, reinterpret_cast<KeyEditor*>(lParam));
    auto* editor = attached<KeyEditor>(window);
    if (!editor) return 0;
    if (message != WM_PAINT) editor->handOnToPane(message, wParam, lParam);
    if (editor->component_) editor->dispatchEditor(message, wParam, lParam);
    return 0;
  });
}

template <class Component>
void KeyEditor<Component>::dispatchEditor(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: onInit(); break;
    case WM_DESTROY: onDestroy(); break;
    case WM_PAINT: onPaint(); break;
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); break;
    case WM_HSCROLL: onScroll(reinterpret_cast<HWND>(lParam)); break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: onPress(message == WM_LBUTTONDOWN, lParam); break;
    case WM_MOUSEMOVE: onMouseMove(wParam, lParam); break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: onRelease(message == WM_LBUTTONUP, wParam, lParam); break;
    case WM_CAPTURECHANGED: onCaptureChanged(); break;
  }
}

template <class Component>
void KeyEditor<Component>::onInit() {
  context().reports.activate(this);
  pane().refreshEffectTexts();
  pane().refreshRenderButton();
  setTrackbarRange(controls().time, 0, 100, kTimeTick);
  onInitView();
  takeViewKeys();
  refreshControls();
  history_.start(component_->keys, component_->keyCount);
  shortcuts_.start(window(), [this](EditorShortcut shortcut) { onShortcut(shortcut); });
}

template <class Component>
void KeyEditor<Component>::onDestroy() {
  stopDragging();
  shortcuts_.stop();
  onDestroyView();
}

// The view control paints first; the drawing goes on top of it.
template <class Component>
void KeyEditor<Component>::onPaint() {
  PAINTSTRUCT paint;
  BeginPaint(window(), &paint);
  EndPaint(window(), &paint);
  UpdateWindow(GetDlgItem(window(), controls().view));
  redraw();
}

template <class Component>
void KeyEditor<Component>::onCommand(int id, int code) {
  if (code == EN_SETFOCUS || code == EN_KILLFOCUS) return onEditFocus(id, code);
  if (code != BN_CLICKED) return;
  const KeyEditorControls& c = controls();
  if (id == IDOK) EndDialog(window(), kKeep);
  else if (id == IDCANCEL) EndDialog(window(), kCancel);
  else if (id == c.remove) EndDialog(window(), kRemove);
  else if (id == c.next || id == c.previous) stepToKey(id == c.next);
  else if (id == c.save) saveFile();
  else if (id == c.create || id == c.deleteKey || id == c.load || id == c.linear) {
    if (id == c.create) storeBoxes();
    if (id == c.deleteKey) deleteKeyAtSlider();
    if (id == c.load) loadFile();
    if (id == c.linear && component_->keyIndexAt(sliderTime()) >= 0) storeBoxes();
    afterEdit();
  } else {
    onOwnCommand(id);
  }
}

// Leaving a box applies the boxes to the key at the slider's time when the
// user changed its text; between keys it changes nothing.
template <class Component>
void KeyEditor<Component>::onEditFocus(int id, int code) {
  HWND box = GetDlgItem(window(), id);
  if (!isEditBox(box)) return;
  if (code == EN_SETFOCUS) return boxMemory_.remember(box);
  if (!boxMemory_.changed(box)) return;
  if (id == controls().keyTime) return applyTypedTime();
  if (component_->keyIndexAt(sliderTime()) >= 0) storeBoxes();
  afterEdit();
}

// The key's own time, which only a key between the end keys lets change.
template <class Component>
void KeyEditor<Component>::showKeyTime(int index) {
  const int box = controls().keyTime;
  if (!box) return;
  float before = 0, after = 0;
  const float t = index >= 0 ? component_->keys[index].time : sliderTime();
  showNumber(box, "%.2f", t * 100.0f);
  setControlEnabled(box, neighbourTimes(index, before, after));
}

// A typed time must lie strictly between the key's neighbours; the slider
// follows the key to it.
template <class Component>
void KeyEditor<Component>::applyTypedTime() {
  const int index = component_->keyIndexAt(sliderTime());
  float percent = 0, before = 0, after = 0, time = 0;
  if (!neighbourTimes(index, before, after)) return refreshControls();
  const bool read = readNumber(controls().keyTime, percent);
  const float wanted = steppedTime(percent / 100.0, kTypedTimeSteps);
  if (!read || !steppedTimeBetween(wanted, kTypedTimeSteps, before, after, time) ||
      time != wanted) {
    char message[96];
    std::snprintf(message, sizeof message, "Time must be between %g%% and %g%%",
                  before * 100.0f, after * 100.0f);
    MessageBoxA(window(), message, "Problem with value", MB_OK | MB_ICONEXCLAMATION);
    return refreshControls();
  }
  component_->keys[index].time = time;
  moveSliderTo(percentOfTime(time));
  redraw();
  afterEdit();
}

template <class Component>
bool KeyEditor<Component>::neighbourTimes(int index, float& before, float& after) const {
  if (index <= 0 || index + 1 >= static_cast<int>(component_->keyCount)) return false;
  before = component_->keys[index - 1].time;
  after = component_->keys[index + 1].time;
  return true;
}

template <class Component>
bool KeyEditor<Component>::retimeKey(uint32_t index, double fraction, double steps) {
  float before = 0, after = 0, time = 0;
  if (!neighbourTimes(static_cast<int>(index), before, after) ||
      !steppedTimeBetween(fraction, steps, before, after, time)) {
    return false;
  }
  component_->keys[index].time = time;
  return true;
}

template <class Component>
void KeyEditor<Component>::onScroll(HWND control) {
  if (!control || GetDlgCtrlID(control) != controls().time) return;
  updateTrackbarLabel(control);
  refreshControls();
  showTimeMoved();
}

template <class Component>
float KeyEditor<Component>::sliderTime() {
  return keyTimeFromPercent(getTrackbarValue(controls().time));
}

template <class Component>
void KeyEditor<Component>::moveSliderTo(int percent) {
  setTrackbarValue(controls().time, percent);
  refreshControls();
  showTimeMoved();
}

template <class Component>
void KeyEditor<Component>::refreshControls() {
  const KeyEditorControls& c = controls();
  const float t = sliderTime();
  const int index = component_->keyIndexAt(t);
  const bool onKey = index >= 0;
  Key key = onKey ? component_->keys[index] : keyBetween(t);
  if (!onKey) {
    key.tension = key.continuity = key.bias = 0;
    key.linear = 0;
  }
  setControlEnabled(c.previous, !(onKey && key.time == 0.0f));
  setControlEnabled(c.next, !(onKey && key.time == 1.0f));
  char caption[48];
  std::snprintf(caption, sizeof caption, "%s %g%%%s", kind_.groupCaption, t * 100.0f,
                onKey ? " * KEY *" : "");
  setText(c.group, caption);
  setControlEnabled(c.create, !onKey);
  setControlEnabled(c.deleteKey, onKey && t != 0.0f && t != 1.0f);
  showValues(key, onKey);
  showNumber(c.tension, "%g", key.tension);
  showNumber(c.continuity, "%g", key.continuity);
  showNumber(c.bias, "%g", key.bias);
  setCheck(c.linear, key.linear != 0);
  showKeyTime(index);
  boxMemory_.rememberFocused(window());
}

template <class Component>
bool KeyEditor<Component>::readNumber(int id, float& value) {
  char text[kFieldSize];
  getText(id, text, sizeof text);
  const double number = std::atof(text);
  if (!std::isfinite(number) || std::fabs(number) > FLT_MAX) return false;
  value = static_cast<float>(number);
  return true;
}

template <class Component>
bool KeyEditor<Component>::viewFocused() const {
  return GetFocus() == GetDlgItem(window(), controls().view);
}

template <class Component>
void KeyEditor<Component>::showNumber(int id, const char* format, float value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  setText(id, text);
}

template <class Component>
bool KeyEditor<Component>::storeBoxes() {
  const KeyEditorControls& c = controls();
  Key key{};
  key.time = sliderTime();
  if (!readValues(key) || !readNumber(c.tension, key.tension) ||
      !readNumber(c.continuity, key.continuity) || !readNumber(c.bias, key.bias)) {
    MessageBoxA(window(), rangeMessage().c_str(), "Problem with value",
                MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  key.linear = isChecked(c.linear) ? 1 : 0;
  component_->storeKey(key);
  refreshControls();
  redraw();
  return true;
}

template <class Component>
void KeyEditor<Component>::stepToKey(bool forward) {
  const int percent = steppedPercent(component_->keys, component_->keyCount,
                                     getTrackbarValue(controls().time), sliderTime(), forward);
  if (percent >= 0) moveSliderTo(percent);
}

template <class Component>
void KeyEditor<Component>::deleteKeyAtSlider() {
  const int index = component_->keyIndexAt(sliderTime());
  if (index >= 0) component_->deleteKey(component_->keys[index].time);
  refreshControls();
  redraw();
}

template <class Component>
void KeyEditor<Component>::afterEdit() {
  if (!dragging_) history_.record(component_->keys, component_->keyCount);
  session().recordChanged();
}

template class KeyEditor<EnvelopeComponent>;
template class KeyEditor<PathComponent>;

}  // namespace vta
