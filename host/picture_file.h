// Picture files the user picks as the outgoing and incoming pictures, read
// through the Windows Imaging Component (BMP, PNG, JPEG, GIF, TIFF: what
// the system decodes).
#pragma once

#include <string>

#include "rgb_picture.h"

namespace vta::host {

// False with error set when the file cannot be read or decoded, or a side
// is above 8192 pixels.
bool readPictureFile(const std::string& path, render::RgbPicture& out, std::string& error);

}  // namespace vta::host
