// The about box "About Vantaro" (dialog 101).
#pragma once

#include <windows.h>

namespace vta {

// Shows the about box modally over parent. A null text keeps the default line
// ("Vantaro", "Release 3"); longer texts are cut to 79 characters.
// Returns 0 once the box was shown and closed, 2 when it could not be created.
int showAboutBox(HWND parent, const char* titleText, const char* releaseText);

}  // namespace vta
