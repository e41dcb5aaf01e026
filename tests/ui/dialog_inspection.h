// Checks a dialog window made from one of the library's templates against
// what it must hold: controls with their classes, styles and texts, radio
// groups and unnamed labels; and its layout: every control inside the
// dialog, every text fitting its control, no two visible controls on top of
// each other unless one is a group box framing the other.
#pragma once

#include <windows.h>

#include "dialog_expectations.h"

namespace vta::test {

// Width and height in dialog units of dialog template id of module.
SIZE templateSize(HMODULE module, int id);

// Reports every difference as a test failure.
void expectDialogMatches(HWND dialog, const ExpectedDialog& expected, SIZE templateDlu);

// Window rectangle of control in its parent's client coordinates.
RECT rectInParent(HWND control);

// Dispatches this thread's messages for ms milliseconds.
void pumpMessages(DWORD ms);

}  // namespace vta::test
