#include "ui/pages/effect_icon_player.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "effects_page_ids.h"
#include "model/files/effect_file.h"
#include "platform/boundary.h"
#include "ui/controls/bitmap_drawing.h"
#include "ui/pages/effect_icon_drawing.h"

namespace vta {
namespace {

constexpr uint32_t kMinPlaySpeed = 1;

// Starts the resting and leaving notices for icon unless they run already.
void trackPointer(HWND icon) {
  TRACKMOUSEEVENT track = {sizeof track, TME_HOVER | TME_LEAVE, icon,
                           EffectIconPlayer::kRestMilliseconds};
  TrackMouseEvent(&track);
}

LRESULT CALLBACK iconPointerProcedure(HWND icon, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR) {
  return guarded<LRESULT>(0, [&]() -> LRESULT {
    const WPARAM slot = static_cast<WPARAM>(GetDlgCtrlID(icon) - IDC_EFFECTS_FIRST_ICON);
    if (message == WM_MOUSEMOVE) trackPointer(icon);
    if (message == WM_MOUSEHOVER) PostMessageA(GetParent(icon), kIconHoverMessage, slot, 1);
    if (message == WM_MOUSELEAVE) PostMessageA(GetParent(icon), kIconHoverMessage, slot, 0);
    return DefSubclassProc(icon, message, wParam, lParam);
  });
}

}  // namespace

void EffectIconPlayer::attach(HWND page) {
  page_ = page;
  for (int id = IDC_EFFECTS_FIRST_ICON; id <= IDC_EFFECTS_LAST_ICON; ++id)
    SetWindowSubclass(GetDlgItem(page, id), iconPointerProcedure, 0, 0);
}

// Frames as large as the icon's picture, a whole number of 32-bit words
// wide so that their rows draw as they are.
void EffectIconPlayer::startEngine(const RECT& area) {
  const RECT inside = insetArea(area);
  PreviewFormat format;
  format.width = std::max<LONG>(inside.right - inside.left, 4) / 4 * 4;
  format.height = std::max<LONG>(inside.bottom - inside.top, 1);
  format.frameCount = kFrames;
  engine_ = std::make_unique<PreviewRenderer>(false, format, this);
}

void EffectIconPlayer::play(int slot, const char* name, const RECT& area) {
  if (slot == slot_) return;
  stop();
  if (session_.filterMode()) return;
  if (!engine_) startEngine(area);
  auto record = std::make_shared<EffectSettings>();
  record->copyFrom(session_.record());
  std::snprintf(record->effectName, sizeof record->effectName, "%s", name);
  record->description.lists[kPaths].clear();
  EffectDescription effect;
  loadDescription(effect, record->effectName, 0);
  slot_ = slot;
  engine_->requestRender(std::move(record), &effect);
  const uint32_t speed = std::max(session_.preferences().previewSpeed, kMinPlaySpeed);
  SetTimer(page_, kIconPlayTimer, 1000 / speed, nullptr);
}

void EffectIconPlayer::stop() {
  if (slot_ < 0) return;
  KillTimer(page_, kIconPlayTimer);
  if (engine_->isBusy()) engine_->requestStop();
  const bool drawn = framesReady_;
  framesReady_ = false;
  if (drawn) repaintSlot();
  slot_ = -1;
}

void EffectIconPlayer::progressChanged(int percent) {
  PostMessageA(page_, kIconFrameMessage, static_cast<WPARAM>(percent), 0);
}

void EffectIconPlayer::handle(UINT message, WPARAM wParam) {
  if (slot_ < 0) return;
  // The first frames are ready once the render has gone past its first.
  if (message == kIconFrameMessage && wParam > 0) {
    framesReady_ = true;
  } else if (message == WM_TIMER && wParam == kIconPlayTimer && framesReady_) {
    frame_ = engine_->advanceDisplayFrame();
    repaintSlot();
  }
}

void EffectIconPlayer::repaintSlot() const {
  HWND icon = GetDlgItem(page_, IDC_EFFECTS_FIRST_ICON + slot_);
  if (icon) InvalidateRect(icon, nullptr, FALSE);
}

void EffectIconPlayer::drawFrame(HDC dc, const RECT& area) const {
  drawStretchedBitmap(dc, insetArea(area), engine_->frame(frame_), engine_->width(),
                      engine_->height());
}

}  // namespace vta
