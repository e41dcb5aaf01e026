// Answers a module's file dialogs at once with a prepared file, without
// showing them, and tells what they were asked.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <string>

#include "import_hook.h"

namespace vta {

// The file the dialogs choose and the title the last one was asked with.
inline std::string g_answeredFile, g_lastFileDialogTitle;

inline BOOL WINAPI chooseAnsweredFile(LPOPENFILENAMEA dialog) {
  g_lastFileDialogTitle = dialog->lpstrTitle ? dialog->lpstrTitle : "";
  if (g_answeredFile.size() >= dialog->nMaxFile) return FALSE;
  std::strcpy(dialog->lpstrFile, g_answeredFile.c_str());
  return TRUE;
}

// From now on module's open and save file dialogs (GetOpenFileNameA,
// GetSaveFileNameA) choose file; false when module imports neither.
inline bool answerFileDialogs(HMODULE module, const std::string& file) {
  g_answeredFile = file;
  void* answer = reinterpret_cast<void*>(&chooseAnsweredFile);
  const bool open = replaceImport(module, "comdlg32.dll", "GetOpenFileNameA", answer) != nullptr;
  const bool save = replaceImport(module, "comdlg32.dll", "GetSaveFileNameA", answer) != nullptr;
  return open || save;
}

}  // namespace vta
