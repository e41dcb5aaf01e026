// The frames of a render as numbered picture files in a folder:
// "<stem>_000.png", "<stem>_001.png", ... (more digits past 999). Each file
// is saved crash-safely (SafeSave), so the folder never holds part of a
// frame, even when the render stops or the machine does.
#pragma once

#include <functional>
#include <string>

#include "final_render.h"
#include "rgb_picture.h"

namespace vta::render {

// The bytes of a picture file in the encoder's own format; false when it
// cannot make them. Called by several workers at once.
using PictureEncoder = std::function<bool(const RgbPicture& picture, std::string& file)>;

class FrameFolder {
 public:
  // extension with its dot (".png").
  FrameFolder(std::string folder, std::string stem, std::string extension, PictureEncoder encode);

  std::string path(uint32_t index) const;
  // False when the frame could not be saved; nothing of it is left then.
  bool write(uint32_t index, const RgbPicture& frame) const;

  // A sink that encodes each frame on the worker that drew it, saves the
  // files in frame order and then hands each frame to then. When a file
  // cannot be saved the render fails and unwritten names it.
  FrameSink sink(FrameReceiver then, std::string& unwritten) const;

 private:
  std::string folder_, stem_, extension_;
  PictureEncoder encode_;
};

}  // namespace vta::render
