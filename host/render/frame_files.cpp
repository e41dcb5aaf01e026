#include "frame_files.h"

#include <cstdio>
#include <filesystem>

namespace vta::host {

namespace fs = std::filesystem;

FrameFolder::FrameFolder(std::string folder, std::string stem, std::string extension,
                         PictureWriter write)
    : folder_(std::move(folder)),
      stem_(std::move(stem)),
      extension_(std::move(extension)),
      write_(std::move(write)) {}

std::string FrameFolder::path(uint32_t index) const {
  char number[16];
  std::snprintf(number, sizeof number, "_%03u", index);
  return (fs::path(folder_) / (stem_ + number + extension_)).string();
}

bool FrameFolder::write(uint32_t index, const RgbPicture& frame) const {
  return write_(path(index), frame);
}

}  // namespace vta::host
