// Choosing the picture format by content (reading) or extension (writing).
#include "image_io.h"
#include "text_file.h"

namespace vtafx {

namespace {

// A PPM of 8192 x 8192 pixels in text form stays below this.
constexpr size_t kMaxPictureFile = size_t{1} << 30;

bool endsWithPng(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  for (char& c : end) c = static_cast<char>(c | 0x20);
  return end == ".png";
}

}  // namespace

bool readPicture(const std::string& path, Picture& out, std::string& error) {
  std::string bytes;
  if (!readTextFile(path, bytes, kMaxPictureFile)) {
    error = "cannot read";
    return false;
  }
  if (bytes.compare(0, 4, "\x89PNG") == 0) return readPng(path, out, error);
  return readPpm(bytes, out, error);
}

bool writePicture(const std::string& path, const Picture& picture, std::string& error) {
  if (endsWithPng(path)) return writePng(path, picture, error);
  if (writeTextFile(path, writePpm(picture))) return true;
  error = "cannot write";
  return false;
}

}  // namespace vtafx
