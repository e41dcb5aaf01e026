// The keyboard on the Effects page (dialog 102): on the icon buttons the
// arrow keys move to the neighbouring shown icon (up and down by a row of
// four), Home and End to the first and last, and Enter selects like Space;
// Ctrl+F on the group list, the search box or an icon puts the cursor in
// the search box with its text selected.
#pragma once

#include <windows.h>

namespace vta {

// Gives the page's icon buttons, group list and search box these keys.
void attachEffectsPageKeys(HWND page);

}  // namespace vta
