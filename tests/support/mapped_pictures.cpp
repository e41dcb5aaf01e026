#include "mapped_pictures.h"

#include <fstream>

namespace testpics {

namespace {

void put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

void putPixel(std::vector<uint8_t>& out, Rgb c) { out.insert(out.end(), {c.b, c.g, c.r}); }

// Colour of row y counted from the top.
Rgb rowColour(int y, int height, Halves colours) {
  return y < height / 2 ? colours.upper : colours.lower;
}

}  // namespace

std::vector<uint8_t> bmpFile(int width, int height, const std::function<Rgb(int, int)>& pixel) {
  const uint32_t rowBytes = (uint32_t(width) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> out{'B', 'M'};
  put(out, 54 + rowBytes * height, 4);
  put(out, 0, 4);
  put(out, 54, 4);
  put(out, 40, 4);
  put(out, width, 4);
  put(out, height, 4);
  put(out, 1, 2);
  put(out, 24, 2);
  for (int i = 0; i < 6; ++i) put(out, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) putPixel(out, pixel(x, y));
    out.resize(out.size() + rowBytes - width * 3, 0);
  }
  return out;
}

std::vector<uint8_t> bmpFile(int width, int height, Halves colours) {
  return bmpFile(width, height, [&](int, int y) { return rowColour(y, height, colours); });
}

std::vector<uint8_t> tgaFile(int width, int height, Halves colours, bool rle, bool topFirst) {
  std::vector<uint8_t> out{0, 0, uint8_t(rle ? 10 : 2)};
  out.resize(12, 0);
  put(out, width, 2);
  put(out, height, 2);
  out.push_back(24);
  out.push_back(topFirst ? 0x20 : 0);
  for (int i = 0; i < height; ++i) {
    const Rgb c = rowColour(topFirst ? i : height - 1 - i, height, colours);
    // A run packet per row (rows of up to 128 pixels).
    if (rle) {
      out.push_back(uint8_t(0x80 | (width - 1)));
      putPixel(out, c);
    } else {
      for (int x = 0; x < width; ++x) putPixel(out, c);
    }
  }
  return out;
}

bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file);
}

}  // namespace testpics
