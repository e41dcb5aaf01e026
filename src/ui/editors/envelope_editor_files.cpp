// Loading and saving the edited envelope as an envelope file (*.env).
#include "model/files/envelope_file.h"
#include "ui/editors/curve_file_dialog.h"
#include "ui/editors/envelope_editor.h"

namespace vta {
namespace {

const CurveFileType kEnvelopeFiles = {"Envelopes", "Vantaro Envelopes (*.env)\0*.env\0", "env"};

}  // namespace

// Only the file's keys are taken. A file that holds none would leave the
// graph nothing to draw and a press no key to copy: it is refused like an
// unreadable one.
void EnvelopeEditor::loadFile() {
  char file[kCurveFileNameSize];
  if (askCurveFile(window(), kEnvelopeFiles, false, "Load An Envelope", file)) {
    OwnedComponent<EnvelopeComponent> loaded(static_cast<EnvelopeComponent*>(envelope_->clone()));
    const CurveFileResult result =
        loaded ? loadEnvelopeFile(file, *loaded) : CurveFileResult::kFailed;
    if (result == CurveFileResult::kDone && loaded->keyCount > 0) {
      envelope_->copyFrom(*loaded);
    } else if (result == CurveFileResult::kFailed || result == CurveFileResult::kDone) {
      showFileError(window(), "Could not read envelope from disk");
    }
  }
  refreshControls();
  redrawGraph();
}

void EnvelopeEditor::saveFile() {
  char file[kCurveFileNameSize];
  if (askCurveFile(window(), kEnvelopeFiles, true, "Save An Envelope", file) &&
      saveEnvelopeFile(file, *envelope_) == CurveFileResult::kFailed) {
    showFileError(window(), "Could not write envelope to disk");
  }
  refreshControls();
  redrawGraph();
}

}  // namespace vta
