#include "contact_sheet.h"

#include <algorithm>
#include <cmath>

namespace vta::render {
namespace {

constexpr uint32_t kGap = 2;
constexpr uint8_t kGapGrey = 96;

}  // namespace

RgbPicture contactSheet(const std::vector<RgbPicture>& frames) {
  RgbPicture sheet;
  if (frames.empty()) return sheet;
  const uint32_t w = frames[0].width, h = frames[0].height;
  const uint32_t n = static_cast<uint32_t>(frames.size());
  const uint32_t columns = static_cast<uint32_t>(std::ceil(std::sqrt(double(n))));
  const uint32_t rows = (n + columns - 1) / columns;
  sheet.width = columns * (w + kGap) + kGap;
  sheet.height = rows * (h + kGap) + kGap;
  sheet.rgb.assign(size_t(sheet.width) * sheet.height * 3, kGapGrey);
  for (uint32_t i = 0; i < n; ++i) {
    if (frames[i].width != w || frames[i].height != h) continue;
    const uint32_t left = kGap + (i % columns) * (w + kGap),
                   top = kGap + (i / columns) * (h + kGap);
    for (uint32_t y = 0; y < h; ++y)
      std::copy_n(&frames[i].rgb[size_t(y) * w * 3], size_t(w) * 3,
                  &sheet.rgb[(size_t(top + y) * sheet.width + left) * 3]);
  }
  return sheet;
}

// Each pixel of a thumbnail is the mean of the 2 x 2 frame pixels around
// its centre: enough for a sheet, and quick beside the frame it shows.
RgbPicture sheetThumbnail(const RgbPicture& frame) {
  if (frame.width <= kSheetFrameWidth || frame.height < 2) return frame;
  const uint32_t w = kSheetFrameWidth;
  const uint32_t h = std::max<uint32_t>(1, uint32_t(uint64_t{frame.height} * w / frame.width));
  RgbPicture out{w, h, std::vector<uint8_t>(size_t(w) * h * 3)};
  for (uint32_t y = 0; y < h; ++y) {
    const uint32_t sy = std::min(uint32_t(uint64_t{2 * y + 1} * frame.height / (2 * h)), frame.height - 2);
    const uint8_t* upper = &frame.rgb[size_t(sy) * frame.width * 3];
    const uint8_t* lower = upper + size_t(frame.width) * 3;
    for (uint32_t x = 0; x < w; ++x) {
      const uint32_t sx = std::min(uint32_t(uint64_t{2 * x + 1} * frame.width / (2 * w)), frame.width - 2);
      uint8_t* p = &out.rgb[(size_t(y) * w + x) * 3];
      for (int c = 0; c < 3; ++c) {
        const size_t at = size_t(sx) * 3 + c;
        p[c] = uint8_t((upper[at] + upper[at + 3] + lower[at] + lower[at + 3] + 2) / 4);
      }
    }
  }
  return out;
}

}  // namespace vta::render
