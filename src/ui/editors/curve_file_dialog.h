// The standard file dialogs of the library: the fields every one of them
// sets, and the dialogs through which the editors load and save curve files
// (envelopes, paths): opened in a folder below the installation, one file
// type, no overwrite prompt.
#pragma once

#include <windows.h>

#include <commdlg.h>

namespace vta {

constexpr int kCurveFileNameSize = 256;

// A file dialog over owner for one file type (filter: description and
// pattern, as the dialog takes them) that starts in folder (null: where the
// system chooses) with the name in file, of size bytes, which receives the
// chosen path.
OPENFILENAMEA fileDialogFields(HWND owner, const char* filter, char* file, DWORD size,
                               const char* folder, const char* title, const char* extension);

struct CurveFileType {
  const char* folder;     // below the installation folder: "Envelopes", "Paths"
  const char* filter;     // description and pattern, as the dialog takes them
  const char* extension;  // default extension, also the pattern's: "env"
};

// Asks for a file to load (saving false) or to save; file receives its path.
// False when the user cancels.
bool askCurveFile(HWND owner, const CurveFileType& type, bool saving, const char* title,
                  char (&file)[kCurveFileNameSize]);

// A message box with the exclamation icon under the title "File Error".
void showFileError(HWND owner, const char* text);

}  // namespace vta
