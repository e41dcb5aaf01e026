// Loading and saving the edited path as a path file (*.pth).
#include "model/files/path_file.h"
#include "ui/editors/curve_file_dialog.h"
#include "ui/editors/path_editor.h"

namespace vta {
namespace {

const CurveFileType kPathFiles = {"Paths", "Vantaro Paths (*.pth)\0*.pth\0", "pth"};

}  // namespace

// Only the file's keys are taken; a file of another kind changes nothing.
void PathEditor::loadPath() {
  char file[kCurveFileNameSize];
  if (askCurveFile(window(), kPathFiles, false, "Load A Path", file) &&
      loadPathFile(file, *path_) == CurveFileResult::kFailed) {
    showFileError(window(), "Could not read path from disk");
  }
  refreshControls();
  drawView();
  afterEdit();
}

void PathEditor::savePath() {
  char file[kCurveFileNameSize];
  if (askCurveFile(window(), kPathFiles, true, "Save A Path", file) &&
      savePathFile(file, *path_) == CurveFileResult::kFailed) {
    showFileError(window(), "Could not write path to disk");
  }
  refreshControls();
  drawView();
}

}  // namespace vta
