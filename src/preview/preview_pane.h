// The message handler that every page of the selection sheet and every
// editor passes each message to first: it records the window, notes a
// cancelled sheet and answers help requests. The "Selected FX" pane's
// playback and render controls are driven from here as well.
#pragma once

#include <windows.h>

namespace vta {

class DialogPage;

// Help context ids by control id, as pairs ending with two zeros, in the
// form the help viewer takes for context help.
extern const DWORD kContextHelpIds[];

// After an edit: when the host's record differs from the record last handed
// to the preview, remembers a copy of it.
void checkPreviewRestart();

// Always returns 0. page may be null (its object could not be made).
INT_PTR handlePaneMessage(DialogPage* page, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam);

}  // namespace vta
