#include "file_dialog_answer.h"

#include <commdlg.h>

#include <cstring>

#include "import_hook.h"

namespace vta {
namespace {

std::string g_file;
std::string g_title;

BOOL WINAPI chooseFile(LPOPENFILENAMEA dialog) {
  g_title = dialog->lpstrTitle ? dialog->lpstrTitle : "";
  if (g_file.size() >= dialog->nMaxFile) return FALSE;
  std::strcpy(dialog->lpstrFile, g_file.c_str());
  return TRUE;
}

}  // namespace

bool answerFileDialogs(HMODULE module, const std::string& file) {
  g_file = file;
  const bool open = replaceImport(module, "comdlg32.dll", "GetOpenFileNameA",
                                  reinterpret_cast<void*>(&chooseFile)) != nullptr;
  const bool save = replaceImport(module, "comdlg32.dll", "GetSaveFileNameA",
                                  reinterpret_cast<void*>(&chooseFile)) != nullptr;
  return open || save;
}

std::string lastFileDialogTitle() { return g_title; }

}  // namespace vta
