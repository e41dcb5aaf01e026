// The keyboard on the keyframe editor's graph or view, a tab stop that also
// takes the focus when pressed: Left and Right step between keys, Page Up
// and Page Down move the slider by 10 %, Delete removes the key or, at
// either end, gives it its default back; the editors add their own keys.
#include <algorithm>

#include "model/components/envelope.h"
#include "model/components/path.h"
#include "platform/boundary.h"
#include "ui/editors/key_editor.h"

namespace vta {
namespace {

constexpr char kStaticProcedure[] = "VantaroStaticProcedure";
constexpr char kEditor[] = "VantaroKeyEditor";
constexpr int kPagePercent = 10;

}  // namespace

// The control is a static frame: it keeps its procedure for everything but
// the keys it wants from the dialog manager, the keys themselves, and the
// focus, whose rectangle the drawing shows. It finds the editor in a
// property.
template <class Component>
void KeyEditor<Component>::takeViewKeys() {
  HWND view = GetDlgItem(window(), controls().view);
  if (!view || GetPropA(view, kStaticProcedure)) return;
  SetPropA(view, kEditor, reinterpret_cast<HANDLE>(this));
  SetPropA(view, kStaticProcedure, reinterpret_cast<HANDLE>(GetWindowLongPtrA(view, GWLP_WNDPROC)));
  SetWindowLongPtrA(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&viewProcedure));
}

template <class Component>
LRESULT CALLBACK KeyEditor<Component>::viewProcedure(HWND view, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
  const auto original = reinterpret_cast<WNDPROC>(GetPropA(view, kStaticProcedure));
  return guarded<LRESULT>(0, [&]() -> LRESULT {
    auto* editor = static_cast<KeyEditor*>(GetPropA(view, kEditor));
    switch (message) {
      case WM_GETDLGCODE: return DLGC_WANTARROWS;
      case WM_KEYDOWN:
        if (editor && editor->onViewKeyDown(wParam, false)) return 0;
        break;
      // The default handling sees Alt's keys as well: Alt released after
      // another key then opens no menu.
      case WM_SYSKEYDOWN:
        if (editor) editor->onViewKeyDown(wParam, true);
        break;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        if (editor) editor->redraw();
        break;
      case WM_NCDESTROY:
        RemovePropA(view, kStaticProcedure);
        RemovePropA(view, kEditor);
        break;
    }
    return original ? CallWindowProcA(original, view, message, wParam, lParam)
                    : DefWindowProcA(view, message, wParam, lParam);
  });
}

// Nothing is edited by the keyboard while the mouse drags a key.
template <class Component>
bool KeyEditor<Component>::onViewKeyDown(WPARAM key, bool alt) {
  if (dragging_) return false;
  if (!alt) {
    switch (key) {
      case VK_LEFT: stepToKey(false); return true;
      case VK_RIGHT: stepToKey(true); return true;
      case VK_PRIOR: moveSliderBy(-kPagePercent); return true;
      case VK_NEXT: moveSliderBy(kPagePercent); return true;
      case VK_DELETE: deleteOrResetKey(); return true;
    }
  }
  return onViewKey(key, alt);
}

template <class Component>
void KeyEditor<Component>::moveSliderBy(int percent) {
  moveSliderTo(std::clamp(getTrackbarValue(controls().time) + percent, 0, 100));
}

template <class Component>
void KeyEditor<Component>::deleteOrResetKey() {
  const float t = sliderTime();
  const int index = component_->keyIndexAt(t);
  if (index < 0) return;
  Key& key = component_->keys[index];
  if (key.time == 0.0f || key.time == 1.0f) {
    resetEndKey(key);
    refreshControls();
    redraw();
  } else {
    deleteKeyAtSlider();
  }
  afterEdit();
}

#define VTA_VIEW_MEMBERS(Component)                                                          \
  template void KeyEditor<Component>::takeViewKeys();                                        \
  template LRESULT CALLBACK KeyEditor<Component>::viewProcedure(HWND, UINT, WPARAM, LPARAM); \
  template bool KeyEditor<Component>::onViewKeyDown(WPARAM, bool);                           \
  template void KeyEditor<Component>::moveSliderBy(int);                                     \
  template void KeyEditor<Component>::deleteOrResetKey();
VTA_VIEW_MEMBERS(EnvelopeComponent)
VTA_VIEW_MEMBERS(PathComponent)
#undef VTA_VIEW_MEMBERS

}  // namespace vta
