#pragma once
// Pictures in and out of the tool: PPM (binary P6 and text P3, 8 bits per
// sample) everywhere, PNG where the build has libpng (native builds).
// Pictures are RGB, 3 bytes per pixel, top row first.

#include <cstdint>
#include <string>
#include <vector>

namespace vtafx {

struct Picture {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> rgb;
};

// Pictures larger than this on a side are refused.
constexpr uint32_t kMaxPictureSide = 8192;

// By content (PNG signature, else PPM). False with error set on failure.
bool readPicture(const std::string& path, Picture& out, std::string& error);
// By the extension of path: ".png" writes PNG, anything else PPM (P6).
bool writePicture(const std::string& path, const Picture& picture, std::string& error);

// One line for --help naming the formats this build reads and writes.
const char* pictureFormatsNote();
// The extension of the pictures a command writes: ".png" where the build
// has PNG, else ".ppm".
const char* writtenPictureExtension();

bool readPpm(const std::string& bytes, Picture& out, std::string& error);
std::string writePpm(const Picture& picture);
bool readPng(const std::string& path, Picture& out, std::string& error);
bool writePng(const std::string& path, const Picture& picture, std::string& error);
// The bytes of a PNG file of rgb (width x height, as a Picture's), made for
// speed rather than size: each row filtered by its left neighbour (Sub),
// the fastest deflate level. False where the build has no PNG. Safe to call
// from several threads at once.
bool quickPng(uint32_t width, uint32_t height, const uint8_t* rgb, std::string& file);

}  // namespace vtafx
