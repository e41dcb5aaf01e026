#include "ui/editors/curve_file_dialog.h"

#include <windows.h>

#include <commdlg.h>

#include <cstdio>

#include "platform/settings_store.h"

namespace vta {

OPENFILENAMEA fileDialogFields(HWND owner, const char* filter, char* file, DWORD size,
                               const char* folder, const char* title, const char* extension) {
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = size;
  dialog.lpstrInitialDir = folder;
  dialog.lpstrTitle = title;
  dialog.lpstrDefExt = extension;
  return dialog;
}

bool askCurveFile(HWND owner, const CurveFileType& type, bool saving, const char* title,
                  char (&file)[kCurveFileNameSize]) {
  char install[kCurveFileNameSize] = "";
  readRegistryString(install, sizeof install, "Path");
  char folder[kCurveFileNameSize];
  std::snprintf(folder, sizeof folder, "%s\\%s", install, type.folder);
  std::snprintf(file, sizeof file, "*.%s", type.extension);
  OPENFILENAMEA dialog =
      fileDialogFields(owner, type.filter, file, sizeof file, folder, title, type.extension);
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (saving) return GetSaveFileNameA(&dialog) != 0;
  dialog.Flags |= OFN_FILEMUSTEXIST;
  return GetOpenFileNameA(&dialog) != 0;
}

void showFileError(HWND owner, const char* text) {
  MessageBoxA(owner, text, "File Error", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace vta
