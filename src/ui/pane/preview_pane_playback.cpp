// The pane's controls: texts, speed slider, playback timer, Render button,
// progress bar and frame drawing.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "pane_ids.h"
#include "ui/pane/preview_pane.h"
#include "ui/controls/bitmap_drawing.h"
#include "ui/controls/dialog_page.h"

namespace vta {
namespace {

constexpr int kSpeedPage = 10;

}  // namespace

// Frames per second; a speed never stored (0) plays at 1.
uint32_t PreviewPane::playbackSpeed() const {
  return std::max<uint32_t>(context_.session.preferences().previewSpeed, 1);
}

void PreviewPane::activate() {
  if (!dialog_.window()) return;
  context_.reports.activate(&dialog_);
  refreshEffectTexts();
  refreshRenderButton();
  startPlayback();
}

void PreviewPane::enterEditor() {
  if (!dialog_.window()) return;
  context_.reports.enterEditor(dialog_);
  activate();
}

void PreviewPane::refreshEffectTexts() {
  const EffectDescription* description = context_.session.selectedEffect();
  if (!dialog_.window() || !description) return;
  dialog_.setText(IDC_PANE_TITLE, description->title ? description->title : "");
  dialog_.setText(IDC_PANE_DESCRIPTION, description->text ? description->text : "");
}

void PreviewPane::initSpeedSlider() {
  if (!dialog_.window()) return;
  if (context_.session.filterMode()) {
    dialog_.disableControl(IDC_PANE_SPEED);
    dialog_.hideControl(IDC_PANE_SPEED);
    return;
  }
  HWND slider = GetDlgItem(dialog_.window(), IDC_PANE_SPEED);
  SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(kMinPreviewSpeed, kMaxPreviewSpeed));
  SendMessageA(slider, TBM_SETPAGESIZE, 0, kSpeedPage);
  SendMessageA(slider, TBM_SETPOS, TRUE, playbackSpeed());
  dialog_.enableControl(IDC_PANE_SPEED);
  dialog_.showControl(IDC_PANE_SPEED);
}

void PreviewPane::startPlayback() {
  HWND window = dialog_.window();
  if (!window) return;
  if (!context_.session.filterMode())
    SendDlgItemMessageA(window, IDC_PANE_SPEED, TBM_SETPOS, TRUE, playbackSpeed());
  SetTimer(window, kPlaybackTimer, 1000 / playbackSpeed(), nullptr);
}

void PreviewPane::stopPlayback() {
  if (dialog_.window()) KillTimer(dialog_.window(), kPlaybackTimer);
}

void PreviewPane::refreshRenderButton() {
  if (!dialog_.window()) return;
  const PreviewRenderer& preview = context_.session.preview();
  const char* text = "Render";
  if (preview.isBusy()) text = preview.isStopping() ? "Wait..." : "Stop";
  dialog_.setText(IDC_PANE_RENDER, text);
}

void PreviewPane::refreshProgressBar() {
  if (!dialog_.window()) return;
  SendDlgItemMessageA(dialog_.window(), IDC_PANE_PROGRESS, PBM_SETPOS,
                      static_cast<WPARAM>(context_.session.preview().progress()), 0);
}

void PreviewPane::drawNextFrame() {
  HWND picture = dialog_.window() ? GetDlgItem(dialog_.window(), IDC_PANE_PICTURE) : nullptr;
  if (!picture) return;
  context_.session.preview().advanceDisplayFrame();
  InvalidateRect(picture, nullptr, FALSE);
}

// Drawn whenever the picture is painted, so that it shows the frame at
// once, not only at the next playback tick.
void PreviewPane::drawPicture(const DRAWITEMSTRUCT& item) {
  const PreviewRenderer& preview = context_.session.preview();
  FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const RECT& area = item.rcItem;
  drawStretchedBitmap(item.hDC, {area.left + 1, area.top + 1, area.right - 1, area.bottom - 1},
                      preview.frame(preview.displayFrame()), preview.width(), preview.height());
}

}  // namespace vta
