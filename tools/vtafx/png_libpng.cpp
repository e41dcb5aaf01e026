// PNG pictures through libpng's simplified API.
#include <png.h>
#include <zlib.h>

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

namespace {

// The file's room is reserved beforehand (deflate's worst case), so no
// allocation, and no exception, can happen inside libpng.
void appendToFile(png_structp png, png_bytep data, png_size_t length) {
  std::string& file = *static_cast<std::string*>(png_get_io_ptr(png));
  if (length > file.capacity() - file.size()) png_error(png, "PNG larger than its room");
  file.append(reinterpret_cast<char*>(data), length);
}

void noFlush(png_structp) {}

// libpng reports a failure by a long jump back to the setjmp of its caller:
// this function owns no C++ objects that the jump would skip.
bool writeRows(png_structp png, png_infop info, uint32_t width, uint32_t height,
               const uint8_t* rgb, std::string& file) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &file, appendToFile, noFlush);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_set_compression_level(png, 1);
  png_set_compression_strategy(png, Z_RLE);
  png_write_info(png, info);
  for (uint32_t y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(rgb + size_t(y) * width * 3));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool quickPng(uint32_t width, uint32_t height, const uint8_t* rgb, std::string& file) {
  const size_t raw = (size_t(width) * 3 + 1) * height;
  file.clear();
  file.reserve(raw + raw / 100 + 4096);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool written = info && writeRows(png, info, width, height, rgb, file);
  png_destroy_write_struct(&png, &info);
  return written;
}

}  // namespace vtafx
