// The pane operations of a page or editor: texts, speed slider, playback
// timer, Render button and frame drawing.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "ui/sheet/dialog_page.h"
#include "ui/sheet/preferences.h"
#include "ui/sheet/sheet_state.h"
#include "pane_ids.h"
#include "ui/pane/preview_pane.h"
#include "preview/preview_renderer.h"

namespace vta {
namespace {

constexpr int kSpeedPage = 10;

// Frames per second; a speed never stored (0) plays at 1.
uint32_t playbackSpeed() {
  const Preferences* preferences = sheet().preferences;
  const uint32_t speed = preferences ? preferences->previewSpeed : 0;
  return std::max<uint32_t>(speed, 1);
}

}  // namespace

void activatePane(DialogPage& page) {
  if (!page.window()) return;
  setActivePage(&page);
  refreshEffectTexts(page);
  refreshRenderButton(page);
  startPlayback(page);
}

void enterEditorPane(DialogPage& editor) {
  SheetState& state = sheet();
  if (!editor.window()) return;
  if (state.activePage != &editor) state.returnPage = state.activePage;
  activatePane(editor);
}

void refreshEffectTexts(DialogPage& page) {
  const EffectDescription* description = sheet().selectedEffect;
  if (!page.window() || !description) return;
  page.setText(IDC_PANE_TITLE, description->title ? description->title : "");
  page.setText(IDC_PANE_DESCRIPTION, description->text ? description->text : "");
}

void initSpeedSlider(DialogPage& page) {
  if (!page.window()) return;
  if (sheet().filterMode()) {
    page.disableControl(IDC_PANE_SPEED);
    page.hideControl(IDC_PANE_SPEED);
    return;
  }
  HWND slider = GetDlgItem(page.window(), IDC_PANE_SPEED);
  SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(kMinPreviewSpeed, kMaxPreviewSpeed));
  SendMessageA(slider, TBM_SETPAGESIZE, 0, kSpeedPage);
  SendMessageA(slider, TBM_SETPOS, TRUE, playbackSpeed());
  page.enableControl(IDC_PANE_SPEED);
  page.showControl(IDC_PANE_SPEED);
}

void startPlayback(DialogPage& page) {
  if (!page.window()) return;
  if (!sheet().filterMode()) {
    SendDlgItemMessageA(page.window(), IDC_PANE_SPEED, TBM_SETPOS, TRUE, playbackSpeed());
  }
  SetTimer(page.window(), kPlaybackTimer, 1000 / playbackSpeed(), nullptr);
}

void stopPlayback(DialogPage& page) {
  if (page.window()) KillTimer(page.window(), kPlaybackTimer);
}

void refreshRenderButton(DialogPage& page) {
  if (!page.window()) return;
  const PreviewRenderer* preview = sheet().preview;
  const char* text = "Render";
  if (preview && preview->isBusy()) text = preview->isStopping() ? "Wait..." : "Stop";
  page.setText(IDC_PANE_RENDER, text);
}

void refreshProgressBar(DialogPage& page) {
  if (!page.window()) return;
  const PreviewRenderer* preview = sheet().preview;
  const int percent = preview ? preview->progress() : 0;
  SendDlgItemMessageA(page.window(), IDC_PANE_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(percent),
                      0);
}

void requestPreviewRender() {
  SheetState& state = sheet();
  if (state.preview && state.record)
    state.preview->requestRender(*state.record, state.selectedEffect);
}

void drawPreviewFrame(HWND picture) {
  PreviewRenderer* preview = sheet().preview;
  if (!picture || !preview) return;
  RECT area;
  GetClientRect(picture, &area);
  const uint32_t index = preview->advanceDisplayFrame();
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(preview->width());
  info.bmiHeader.biHeight = static_cast<LONG>(preview->height());
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = preview->width() * preview->height() * 3;
  HDC dc = GetDC(picture);
  StretchDIBits(dc, area.left + 1, area.top + 1, area.right - area.left - 2,
                area.bottom - area.top - 2, 0, 0, info.bmiHeader.biWidth, info.bmiHeader.biHeight,
                preview->frame(index), &info, DIB_RGB_COLORS, SRCCOPY);
  ReleaseDC(picture, dc);
}

}  // namespace vta
