// PNG pictures through libpng's simplified API.
#include <png.h>

#include "image_io.h"
#include "text_file.h"

namespace vtafx {

const char* pictureFormatsNote() { return "Pictures: PNG and PPM (P6, P3)."; }
const char* writtenPictureExtension() { return ".png"; }

bool readPng(const std::string& path, Picture& out, std::string& error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    error = image.message;
    return false;
  }
  if (image.width == 0 || image.height == 0 || image.width > kMaxPictureSide ||
      image.height > kMaxPictureSide) {
    png_image_free(&image);
    error = "PNG size outside 1 to 8192";
    return false;
  }
  image.format = PNG_FORMAT_RGB;
  out.width = image.width;
  out.height = image.height;
  out.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) {
    error = image.message;
    return false;
  }
  return true;
}

bool writePng(const std::string& path, const Picture& picture, std::string& error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = picture.width;
  image.height = picture.height;
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, picture.rgb.data(), 0, nullptr)) {
    error = image.message;
    return false;
  }
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&image, &bytes[0], &size, 0, picture.rgb.data(), 0, nullptr)) {
    error = image.message;
    return false;
  }
  bytes.resize(size);
  if (writeTextFile(path, bytes)) return true;
  error = "cannot write";
  return false;
}

}  // namespace vtafx
