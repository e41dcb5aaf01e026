#include "contact_sheet.h"

#include <algorithm>
#include <cmath>

namespace vtafx {

namespace {

constexpr uint32_t kGap = 2;
constexpr uint8_t kGapGrey = 96;

}  // namespace

Picture contactSheet(const std::vector<Picture>& frames) {
  Picture sheet;
  if (frames.empty()) return sheet;
  uint32_t w = frames[0].width, h = frames[0].height;
  uint32_t n = static_cast<uint32_t>(frames.size());
  uint32_t columns = static_cast<uint32_t>(std::ceil(std::sqrt(double(n))));
  uint32_t rows = (n + columns - 1) / columns;
  sheet.width = columns * (w + kGap) + kGap;
  sheet.height = rows * (h + kGap) + kGap;
  sheet.rgb.assign(size_t(sheet.width) * sheet.height * 3, kGapGrey);
  for (uint32_t i = 0; i < n; ++i) {
    if (frames[i].width != w || frames[i].height != h) continue;
    uint32_t left = kGap + (i % columns) * (w + kGap), top = kGap + (i / columns) * (h + kGap);
    for (uint32_t y = 0; y < h; ++y)
      std::copy_n(&frames[i].rgb[size_t(y) * w * 3], w * 3,
                  &sheet.rgb[(size_t(top + y) * sheet.width + left) * 3]);
  }
  return sheet;
}

}  // namespace vtafx
