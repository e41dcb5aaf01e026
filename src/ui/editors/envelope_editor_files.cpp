// Loading and saving the edited envelope as an envelope file (*.env),
// through the standard file dialogs opened in "Envelopes" below the
// installation folder.
#include <windows.h>

#include <commdlg.h>

#include <cstdio>
#include <memory>

#include "envelope_editor_ids.h"
#include "model/files/envelope_file.h"
#include "platform/settings_store.h"
#include "ui/editors/envelope_editor.h"

namespace vta {
namespace {

constexpr int kFileNameSize = 256;
const char kFilter[] = "Vantaro Envelopes (*.env)\0*.env\0";

struct FileChoice {
  char folder[kFileNameSize] = "";
  char file[kFileNameSize] = "*.env";
  OPENFILENAMEA dialog = {};

  FileChoice(HWND owner, const char* title, DWORD flags) {
    char install[kFileNameSize] = "";
    readRegistryString(install, sizeof install, "Path");
    std::snprintf(folder, sizeof folder, "%s\\Envelopes", install);
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrInitialDir = folder;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = "env";
    dialog.Flags = flags | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  }
};

void fileError(HWND owner, const char* text) {
  MessageBoxA(owner, text, "File Error", MB_OK | MB_ICONEXCLAMATION);
}

// Component clones die through destroy(true), not delete.
struct ComponentDestroyer {
  void operator()(EffectComponent* component) const { component->destroy(true); }
};

}  // namespace

// Only the file's keys are taken. A file that holds none would leave the
// graph nothing to draw and a press no key to copy: it is refused like an
// unreadable one.
void EnvelopeEditor::loadFile() {
  FileChoice choice(window(), "Load An Envelope", OFN_FILEMUSTEXIST);
  if (GetOpenFileNameA(&choice.dialog)) {
    std::unique_ptr<EnvelopeComponent, ComponentDestroyer> loaded(
        static_cast<EnvelopeComponent*>(envelope_->clone()));
    const CurveFileResult result = loaded ? loadEnvelopeFile(choice.file, *loaded) : CurveFileResult::kFailed;
    if (result == CurveFileResult::kDone && loaded->keyCount > 0) envelope_->copyFrom(*loaded);
    else if (result == CurveFileResult::kFailed || result == CurveFileResult::kDone) {
      fileError(window(), "Could not read envelope from disk");
    }
  }
  refreshControls();
  redrawGraph();
}

void EnvelopeEditor::saveFile() {
  FileChoice choice(window(), "Save An Envelope", 0);
  if (GetSaveFileNameA(&choice.dialog) &&
      saveEnvelopeFile(choice.file, *envelope_) == CurveFileResult::kFailed) {
    fileError(window(), "Could not write envelope to disk");
  }
  refreshControls();
  redrawGraph();
}

}  // namespace vta
