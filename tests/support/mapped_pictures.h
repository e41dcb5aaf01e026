#pragma once
// Picture files the tests of mapped files write themselves: BMP and TGA
// files and uncompressed AVI clips of two-coloured pictures (an upper and a
// lower half), so a test sees both which picture is shown and which way up.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testpics {

struct Rgb {
  uint8_t r, g, b;
};

struct Halves {
  Rgb upper, lower;
};

// A 24-bit BMP file, rows bottom-up; pixel(x, y) is the colour at column x
// of row y counted from the top.
std::vector<uint8_t> bmpFile(int width, int height, const std::function<Rgb(int, int)>& pixel);
std::vector<uint8_t> bmpFile(int width, int height, Halves colours);
// A 24-bit TGA file, run-length encoded or plain, with its first row at the
// top or at the bottom.
std::vector<uint8_t> tgaFile(int width, int height, Halves colours, bool rle, bool topFirst);
bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// An uncompressed AVI clip with one frame per entry of frames (through
// FFmpeg natively and Video for Windows on Windows).
bool writeAvi(const std::string& path, int width, int height, const std::vector<Halves>& frames);

}  // namespace testpics
