// The keyboard on the envelope editor's graph, which takes the focus when
// clicked: Left and Right step between keys, Page Up and Page Down move the
// slider by 10 %, Up and Down change the key's value by a value step (with
// Shift by a grid step), Delete removes the key or, at either end, gives it
// the default value back.
#include <algorithm>

#include "envelope_editor_ids.h"
#include "platform/boundary.h"
#include "ui/editors/envelope_editor.h"

namespace vta {
namespace {

constexpr char kStaticProcedure[] = "VantaroStaticProcedure";
constexpr int kPagePercent = 10;

}  // namespace

// The graph is a static frame: it keeps its procedure for everything but
// the keys it wants from the dialog manager, the keys themselves, and the
// focus, whose rectangle the graph's drawing shows. It finds the editor in
// its user data.
void EnvelopeEditor::takeGraphKeys() {
  HWND graph = this->graph();
  if (!graph || GetPropA(graph, kStaticProcedure)) return;
  SetWindowLongPtrA(graph, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetPropA(graph, kStaticProcedure,
           reinterpret_cast<HANDLE>(GetWindowLongPtrA(graph, GWLP_WNDPROC)));
  SetWindowLongPtrA(graph, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&graphProcedure));
}

LRESULT CALLBACK EnvelopeEditor::graphProcedure(HWND graph, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  const auto original = reinterpret_cast<WNDPROC>(GetPropA(graph, kStaticProcedure));
  return guarded<LRESULT>(0, [&]() -> LRESULT {
    auto* editor = reinterpret_cast<EnvelopeEditor*>(GetWindowLongPtrA(graph, GWLP_USERDATA));
    switch (message) {
      case WM_GETDLGCODE: return DLGC_WANTARROWS;
      case WM_KEYDOWN:
        if (editor && editor->onGraphKey(wParam)) return 0;
        break;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        if (editor) editor->redraw();
        break;
      case WM_NCDESTROY:
        RemovePropA(graph, kStaticProcedure);
        SetWindowLongPtrA(graph, GWLP_USERDATA, 0);
        break;
    }
    return original ? CallWindowProcA(original, graph, message, wParam, lParam)
                    : DefWindowProcA(graph, message, wParam, lParam);
  });
}

bool EnvelopeEditor::onGraphKey(WPARAM key) {
  if (dragging()) return false;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  // Percent values from the mouse are whole percents; the keyboard keeps to them.
  const float step = shift ? scale_.gridStep : scale_.percentMode ? 1.0f : scale_.valueStep;
  switch (key) {
    case VK_LEFT: stepToKey(false); break;
    case VK_RIGHT: stepToKey(true); break;
    case VK_PRIOR: moveSliderBy(-kPagePercent); break;
    case VK_NEXT: moveSliderBy(kPagePercent); break;
    case VK_UP: changeValueBy(step); break;
    case VK_DOWN: changeValueBy(-step); break;
    case VK_DELETE: deleteOrResetKey(); break;
    default: return false;
  }
  return true;
}

void EnvelopeEditor::moveSliderBy(int percent) {
  moveSliderTo(std::clamp(getTrackbarValue(IDC_ENVELOPE_TIME) + percent, 0, 100));
}

void EnvelopeEditor::changeValueBy(float step) {
  EnvelopeComponent& envelope = component();
  const int index = envelope.keyIndexAt(sliderTime());
  if (index < 0) return;
  EnvelopeKey& key = envelope.keys[index];
  key.value = std::clamp(key.value + step, scale_.minValue, scale_.maxValue);
  refreshControls();
  redraw();
  afterEdit();
}

void EnvelopeEditor::deleteOrResetKey() {
  EnvelopeComponent& envelope = component();
  const float t = sliderTime();
  const int index = envelope.keyIndexAt(t);
  if (index < 0) return;
  if (t == 0.0f || t == 1.0f) {
    envelope.keys[index].value = defaultValue_;
    refreshControls();
    redraw();
  } else {
    deleteKeyAtSlider();
  }
  afterEdit();
}

}  // namespace vta
