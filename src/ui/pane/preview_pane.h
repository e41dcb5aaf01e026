// The "Selected FX" pane that every page of the selection sheet and every
// editor carries (title, description, the playing preview, speed slider,
// Render button, progress bar), and the message handler that all of these
// dialogs pass each message to first: it records the window, notes a
// cancelled sheet, answers help requests, ends an editor on OK or Cancel and
// drives the pane.
#pragma once

#include <windows.h>

namespace vta {

class DialogPage;
class PreviewListener;

// Help context ids by control id, as pairs ending with two zeros, in the
// form the help viewer takes for context help.
extern const DWORD kContextHelpIds[];

// Pane timer that draws the next preview frame.
constexpr UINT_PTR kPlaybackTimer = 102;
// Posted by the preview worker to the active page: the render started or
// ended (the Render button's text may change), and its progress (wParam).
constexpr UINT kPaneStateMessage = WM_APP + 0x5650;
constexpr UINT kPaneProgressMessage = WM_APP + 0x5651;

// Always returns 0. page may be null (its object could not be made).
INT_PTR handlePaneMessage(DialogPage* page, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam);

// After an edit: when the host's record differs from the record last handed
// to the preview, remembers a copy of it and, with automatic preview on,
// restarts the preview (stopping a running render first).
void checkPreviewRestart();

// Pane operations; each does nothing while the page has no window.
// Makes page the one the preview reports to and starts its playback with
// fresh texts and button.
void activatePane(DialogPage& page);
// An editor's pane takes over from the page that opened it; that page
// becomes the active page again when the editor's window is destroyed.
void enterEditorPane(DialogPage& editor);
void refreshEffectTexts(DialogPage& page);
void initSpeedSlider(DialogPage& page);
void startPlayback(DialogPage& page);
void stopPlayback(DialogPage& page);
void refreshRenderButton(DialogPage& page);
void refreshProgressBar(DialogPage& page);
// Draws the preview's next frame into picture's client area, inside a
// one-pixel margin.
void drawPreviewFrame(HWND picture);

// Asks the sheet's preview for a render of the record as it is now.
void requestPreviewRender();

// The page the preview reports to (null: none). Reports go to its window.
void setActivePage(DialogPage* page);
// Posts the preview's reports to the active page's window.
PreviewListener& panePreviewListener();

}  // namespace vta
