#include "placeholders.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>

#include "source_pictures.h"

namespace vtafx {

namespace {

// Digits 0 to 9 three pixels wide and five high: bit 2 is the left column,
// one row of three bits per entry, top row first.
const uint8_t kDigitRows[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};

// Pixels per font pixel: 1 up to the preview's medium size, 2 at 128.
uint32_t fontScale(uint32_t size) { return std::max(1u, size / 64); }

void fill(Picture& p, uint32_t x, uint32_t y, uint32_t w, uint32_t h, uint8_t r, uint8_t g,
          uint8_t b) {
  for (uint32_t j = y; j < y + h && j < p.height; ++j)
    for (uint32_t i = x; i < x + w && i < p.width; ++i) {
      uint8_t* q = &p.rgb[(size_t{j} * p.width + i) * 3];
      q[0] = r, q[1] = g, q[2] = b;
    }
}

// A dark box with the number in white, a font pixel of margin all round.
void drawBadge(Picture& p, int source) {
  const std::string digits = std::to_string(source);
  const uint32_t k = fontScale(p.width);
  const uint32_t w = (4 * uint32_t(digits.size()) + 1) * k, h = 7 * k;
  fill(p, k, k, w, h, 16, 16, 24);
  for (size_t d = 0; d < digits.size(); ++d)
    for (uint32_t row = 0; row < 5; ++row)
      for (uint32_t col = 0; col < 3; ++col)
        if (kDigitRows[digits[d] - '0'][row] & (4 >> col))
          fill(p, k * (2 + 4 * uint32_t(d) + col), k * (2 + row), k, k, 255, 255, 255);
}

}  // namespace

uint32_t badgeSide(uint32_t size) { return 10 * fontScale(size); }

Picture placeholderPicture(int source, uint32_t size) {
  Picture picture = scenePicture(source, size);
  drawBadge(picture, source);
  return picture;
}

std::vector<Picture> placeholderSources(uint32_t size) {
  static std::mutex lock;
  static std::map<uint32_t, std::vector<Picture>> painted;
  std::lock_guard<std::mutex> hold(lock);
  std::vector<Picture>& sources = painted[size];
  for (int k = int(sources.size()) + 1; k <= kPlaceholderSources; ++k)
    sources.push_back(placeholderPicture(k, size));
  return sources;
}

}  // namespace vtafx
