// The "Selected FX" pane that every page of the selection sheet and every
// editor carries (title, description, the playing preview, speed slider,
// Render button, progress bar). Each such dialog owns one and hands it every
// message first: it notes a cancelled sheet, answers help requests, ends an
// editor on OK or Cancel and drives the pane's controls.
#pragma once

#include <windows.h>

#include "ui/pane/sheet_context.h"

namespace vta {

class DialogPage;

// Help context ids by control id, as pairs ending with two zeros, in the
// form the help viewer takes for context help.
extern const DWORD kContextHelpIds[];

// Pane timer that draws the next preview frame.
constexpr UINT_PTR kPlaybackTimer = 102;

class PreviewPane {
 public:
  PreviewPane(DialogPage& dialog, SheetContext& context) : dialog_(dialog), context_(context) {}

  // The pane's share of a dialog message, before the dialog's own.
  void handle(UINT message, WPARAM wParam, LPARAM lParam);

  // Each does nothing while the dialog has no window.
  // Makes the dialog the one the preview reports to and starts its playback
  // with fresh texts and button.
  void activate();
  // An editor's pane takes over from the dialog active before it, which gets
  // the reports back when the editor's window is destroyed.
  void enterEditor();
  void refreshEffectTexts();
  void initSpeedSlider();
  void startPlayback();
  void stopPlayback();
  void refreshRenderButton();
  void refreshProgressBar();
  // Shows the preview's next frame in the picture.
  void drawNextFrame();
  // The picture's frame and, inside a one-pixel margin, the preview's
  // current frame.
  void drawPicture(const DRAWITEMSTRUCT& item);

 private:
  void onNotify(const NMHDR& header);
  void onCommand(WPARAM wParam);
  void onScroll(HWND control);
  void onActivate(WPARAM wParam);
  void onDestroy();
  void onRenderButton();
  uint32_t playbackSpeed() const;

  DialogPage& dialog_;
  SheetContext& context_;
};

}  // namespace vta
