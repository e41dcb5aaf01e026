// Tooltips over the Effects page's icon buttons: the page answers each
// TTN_GETDISPINFOA (idFrom is the button's window) with the text that
// effectTipText made for the effect in that slot.
#pragma once

#include <windows.h>

#include <string>

namespace vta {

// Makes the page's tooltip window and registers its sixteen icon buttons.
// Null when it cannot be made.
HWND createIconTips(HWND page);

// The effect's title and the first line of its description, on two lines;
// the title alone when there is no description.
std::string effectTipText(const char* title, const char* description);

}  // namespace vta
