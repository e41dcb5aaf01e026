// Answers a module's file dialogs at once with a prepared file, without
// showing them, and tells what they were asked.
#pragma once

#include <windows.h>

#include <string>

namespace vta {

// From now on module's open and save file dialogs (GetOpenFileNameA,
// GetSaveFileNameA) choose file; false when module imports neither.
bool answerFileDialogs(HMODULE module, const std::string& file);

// The title the last answered dialog was asked with.
std::string lastFileDialogTitle();

}  // namespace vta
