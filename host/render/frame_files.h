// The frames of a render as numbered picture files in a folder:
// "<stem>_000.png", "<stem>_001.png", ... (more digits past 999). The host's
// PictureWriter saves each file so that the folder never holds part of a
// frame, even when the render stops or the machine does.
#pragma once

#include <functional>
#include <string>

#include "rgb_picture.h"

namespace vta::host {

// Saves a picture file at path in the writer's own format, whatever the
// path's extension, crash-safely (SafeSave in the demo host and vtafx): false
// when it could not, and then nothing at path has changed.
using PictureWriter = std::function<bool(const std::string& path, const RgbPicture& picture)>;

class FrameFolder {
 public:
  // extension with its dot (".png").
  FrameFolder(std::string folder, std::string stem, std::string extension, PictureWriter write);

  std::string path(uint32_t index) const;
  // False when the frame could not be saved; nothing of it is left then.
  bool write(uint32_t index, const RgbPicture& frame) const;

 private:
  std::string folder_, stem_, extension_;
  PictureWriter write_;
};

}  // namespace vta::host
