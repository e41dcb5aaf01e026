#include "ui/editors/envelope_editor.h"

#include <commctrl.h>

#include <cstdio>

#include "envelope_editor_ids.h"
#include "model/files/envelope_target.h"
#include "ui/editors/editor_procedure.h"
#include "ui/library_state.h"
#include "ui/pane/preview_pane.h"

namespace vta {
namespace {

constexpr int kTimeTick = 10;

void warn(HWND owner, const char* text, const char* title) {
  MessageBoxA(owner, text, title, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

EnvelopeEditor::EnvelopeEditor(SheetContext& context, const char* title,
                               const EnvelopeScale& scale, float defaultValue,
                               uint16_t owner, uint16_t parameterIndex)
    : SheetDialog(&EnvelopeEditor::procedure, context),
      title_(title ? title : ""),
      hasTitle_(title != nullptr),
      scale_(scale),
      defaultValue_(defaultValue),
      settings_(&context.session.record()),
      owner_(owner),
      parameterIndex_(parameterIndex),
      graph_(scale) {
  current = this;
}

EnvelopeEditor::~EnvelopeEditor() {
  if (current == this) current = nullptr;
}

void EnvelopeEditor::openEnvelopeEditor(HWND parent) {
  if (!settings_) return warn(parent, "No ri in Envelope Editor", "Internal VTA Error");
  const EnvelopeTarget target = findOrAddEnvelope(*settings_, owner_, parameterIndex_);
  envelope_ = target.envelope;
  if (!envelope_) return warn(parent, "Error creating envelope", "Out of Memory");
  OwnedComponent<EnvelopeComponent> backup(static_cast<EnvelopeComponent*>(envelope_->clone()));
  if (envelope_->keyCount == 0) {
    envelope_->insertKey({0.0f, defaultValue_, 0, 0, 0, 0, 0});
    envelope_->insertKey({1.0f, defaultValue_, 0, 0, 0, 0, 0});
  }
  const INT_PTR result =
      DialogBoxParamA(moduleInstance(), MAKEINTRESOURCEA(kTemplate), parent, dialogProc(), 0);
  // Cancel leaves the record as it was before the editor opened: an
  // envelope the editor added goes again.
  if (result == kRemove || (result == kCancel && target.added)) {
    envelope_->setKeyCount(0);
    settings_->description.removeComponent(kEnvelopes, envelope_);
  } else if (result == kCancel && backup) {
    envelope_->copyFrom(*backup);
  }
  envelope_ = nullptr;
}

INT_PTR CALLBACK EnvelopeEditor::procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  EnvelopeEditor* editor = current;
  return editorProcedure(editor, window, message, wParam, lParam, [&] {
    if (editor && editor->envelope_) editor->handleMessage(message, wParam, lParam);
  });
}

void EnvelopeEditor::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: start(); break;
    case WM_DESTROY: shortcuts_.stop(); break;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window(), &paint);
      EndPaint(window(), &paint);
      // The frame control paints first; the graph goes on top of it.
      UpdateWindow(GetDlgItem(window(), IDC_ENVELOPE_GRAPH));
      redrawGraph();
      break;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == EN_KILLFOCUS) {
        onEditFocus(LOWORD(wParam), HIWORD(wParam));
      } else if (HIWORD(wParam) == BN_CLICKED) {
        onCommand(LOWORD(wParam), HIWORD(wParam));
      }
      break;
    case WM_HSCROLL:
      if (lParam) onTimeSlider(reinterpret_cast<HWND>(lParam));
      break;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: onMouse(message, wParam, lParam); break;
  }
}

void EnvelopeEditor::start() {
  context().reports.activate(this);
  pane().refreshEffectTexts();
  pane().refreshRenderButton();
  setTrackbarRange(IDC_ENVELOPE_TIME, 0, 100, kTimeTick);
  if (hasTitle_) SetWindowTextA(window(), title_.c_str());
  const char* format = scale_.percentMode ? "%g%%" : "%g";
  char label[32];
  std::snprintf(label, sizeof label, format, scale_.minValue);
  setText(IDC_ENVELOPE_BOTTOM_VALUE, label);
  std::snprintf(label, sizeof label, format, scale_.maxValue);
  setText(IDC_ENVELOPE_TOP_VALUE, label);
  graph_.locate(window(), GetDlgItem(window(), IDC_ENVELOPE_GRAPH));
  refreshControls();
  history_.start(envelope_->keys, envelope_->keyCount);
  shortcuts_.start(window(), [this](EditorShortcut shortcut) { onShortcut(shortcut); });
  takeGraphKeys();
  session().recordChanged();
}

void EnvelopeEditor::onCommand(int id, int) {
  switch (id) {
    case IDOK: EndDialog(window(), kKeep); break;
    case IDCANCEL: EndDialog(window(), kCancel); break;
    case IDC_ENVELOPE_REMOVE: EndDialog(window(), kRemove); break;
    case IDC_ENVELOPE_NEXT_KEY: stepToKey(true); break;
    case IDC_ENVELOPE_PREVIOUS_KEY: stepToKey(false); break;
    case IDC_ENVELOPE_CREATE_KEY:
      applyKeyFields();
      afterEdit();
      break;
    case IDC_ENVELOPE_DELETE_KEY:
      deleteKeyAtTime();
      afterEdit();
      break;
    case IDC_ENVELOPE_LOAD:
      loadFile();
      afterEdit();
      break;
    case IDC_ENVELOPE_SAVE: saveFile(); break;
    case IDC_ENVELOPE_LINEAR: {
      EnvelopeKey key;
      if (keyAt(sliderTime(), key)) applyKeyFields();
      afterEdit();
      break;
    }
  }
}

void EnvelopeEditor::onEditFocus(int id, int code) {
  if (id != IDC_ENVELOPE_VALUE && id != IDC_ENVELOPE_TENSION && id != IDC_ENVELOPE_CONTINUITY &&
      id != IDC_ENVELOPE_BIAS) {
    return;
  }
  HWND box = GetDlgItem(window(), id);
  if (code == EN_SETFOCUS) {
    boxMemory_.remember(box);
    return;
  }
  if (!boxMemory_.changed(box)) return;
  EnvelopeKey key;
  if (keyAt(sliderTime(), key)) applyKeyFields();
  afterEdit();
}

void EnvelopeEditor::onTimeSlider(HWND slider) {
  updateTrackbarLabel(slider);
  if (GetDlgCtrlID(slider) != IDC_ENVELOPE_TIME) return;
  moveCursorTo(sliderTime());
}

void EnvelopeEditor::afterEdit() {
  if (!dragging_) history_.record(envelope_->keys, envelope_->keyCount);
  session().recordChanged();
}

}  // namespace vta
