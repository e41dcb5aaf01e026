// Writes 8-bit RGB pictures as PNG files (uncompressed deflate blocks: simple,
// dependency-free, and fine for screen captures).
#pragma once

#include <cstdint>
#include <string>

namespace vta {

// rgb holds height rows of width pixels, top row first, 3 bytes per pixel.
// The bytes of the PNG file; empty for a size of 0.
std::string pngBytes(int width, int height, const uint8_t* rgb);
// Saved through SafeSave: when this fails, the file at path is as it was.
bool writePng(const char* path, int width, int height, const uint8_t* rgb);

}  // namespace vta
