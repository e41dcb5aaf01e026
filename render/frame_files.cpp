#include "frame_files.h"

#include <cstdio>
#include <filesystem>

#include "platform/safe_save.h"

namespace vta::render {

namespace fs = std::filesystem;

FrameFolder::FrameFolder(std::string folder, std::string stem, std::string extension,
                         PictureEncoder encode)
    : folder_(std::move(folder)),
      stem_(std::move(stem)),
      extension_(std::move(extension)),
      encode_(std::move(encode)) {}

std::string FrameFolder::path(uint32_t index) const {
  char number[16];
  std::snprintf(number, sizeof number, "_%03u", index);
  return (fs::path(folder_) / (stem_ + number + extension_)).string();
}

bool FrameFolder::write(uint32_t index, const RgbPicture& frame) const {
  std::string file;
  return encode_(frame, file) && saveFile(path(index).c_str(), file.data(), file.size());
}

FrameSink FrameFolder::sink(FrameReceiver then, std::string& unwritten) const {
  return {encode_, [this, then = std::move(then), &unwritten](const Frame& frame) {
            if (saveFile(path(frame.index).c_str(), frame.file.data(), frame.file.size()))
              return then(frame.index, frame.picture);
            unwritten = path(frame.index);
            return false;
          }};
}

}  // namespace vta::render
